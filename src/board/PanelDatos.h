#pragma once

#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// What a tool shows on the data panel `Datos` while it is current.
struct RotulosPanel {
    QString datos;
    QString primero;
    QString segundo;
};

// The data panel `Datos`: two captioned boxes, `Prin` and `Angulo`, and its
// `Aceptar` button. The tools read and write it; the window wires Aceptar.
class PanelDatos {
public:
    explicit PanelDatos(QWidget* centro);

    void Habilitar(bool habilitado);
    bool Habilitado() const;
    // The first box takes the focus with its text selected: typing replaces it.
    void Enfocar();
    void Rotular(const RotulosPanel& rotulos);
    QLineEdit& Prin() const { return *prin; }
    QLineEdit& Angulo() const { return *angulo; }
    QPushButton* Aceptar() const { return aceptar; }

private:
    // In the order they are made, which is the panel's tab order.
    QGroupBox* datos;
    QLabel* label1;
    QLineEdit* prin;
    QLabel* label2;
    QLineEdit* angulo;
    QPushButton* aceptar;
};

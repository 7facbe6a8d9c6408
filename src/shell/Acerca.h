#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The about box: what the program is, who made it, the teaching-only notice,
// and the buttons that open the user guide and close the box. Created when
// opened and destroyed when closed.
class Acerca : public QDialog {
    Q_OBJECT
public:
    explicit Acerca(QWidget* dueno);

    void Command1_Click(); // help
    void Command2_Click(); // close

    std::array<QLabel*, 2> Logo {};
    QLabel* lblNombre = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblSubtitulo = nullptr;
    QLabel* lblCreditos = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QLabel* lblOrigen = nullptr;
    QLabel* lblAviso = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

private:
    QLayout* crearCabecera();
    QLayout* crearCreditos();
    QLayout* crearBotones();
};

#pragma once

#include "model/Modulo.h"

#include <QDialog>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// The results window: the assembled system as a grid, the bars with their end
// nodes and forces, and the three support reactions, all from the last
// successful calculation. Modal over the main window, whose bars it highlights
// through `resaltar`: resaltar(b) shows bar b highlighted and the others by
// sign, resaltar(0) none highlighted. Created when opened, destroyed when closed.
class Final : public QDialog {
    Q_OBJECT
public:
    using Resaltar = std::function<void(int barra)>;
    // `anchoPantalla` is the screen's width in twips; the window and its owner
    // are placed side by side across it.
    Final(QWidget& principal, const CalculoResuelto& resuelto, double anchoPantalla, Resaltar resaltar);

    // Handlers; public so that tests can call them as the events do.
    void Elemento_Click();
    void Salir_Click();

    // Controls.
    QLabel* Label1 = nullptr;
    QTableWidget* msfgMatriz = nullptr;
    QLabel* Nombre = nullptr;
    QListWidget* Elemento = nullptr;
    Tabla<QLabel*, 3> Apoyo {}; // fixed X, fixed Y, roller Y
    QPushButton* Salir = nullptr;

protected:
    // Every way of closing ends here: restore the board and centre the main window.
    void done(int resultado) override;

private:
    void crearControles();
    void ColocarVentanas();
    void LlenarLista(const CalculoResuelto& resuelto);
    void LlenarReacciones(const CalculoResuelto& resuelto);
    void LlenarMatriz(const CalculoResuelto& resuelto);
    void EncabezarMatriz(const CalculoResuelto& resuelto);

    QWidget& principal;
    const double anchoPantalla;
    const int barrasResueltas; // of the calculation shown
    const Resaltar resaltar;
};

#pragma once

#include <QDialog>
#include <array>

class Principal;
struct CalculoResuelto;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// The results window: the assembled system as a grid, the bars with their end
// nodes and forces, and the three support reactions, all from the last
// successful calculation. Modal over the main window, whose bars it highlights.
// Created when opened, destroyed when closed.
class Final : public QDialog {
    Q_OBJECT
public:
    explicit Final(Principal& principal);

    // Handlers; public so that tests can call them as the events do.
    void Elemento_Click();
    void Salir_Click();

    // Controls.
    QLabel* Label1 = nullptr;
    QTableWidget* msfgMatriz = nullptr;
    QLabel* Nombre = nullptr;
    QListWidget* Elemento = nullptr;
    std::array<QLabel*, 3> Apoyo {}; // fixed X, fixed Y, roller Y
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

    Principal& principal;
};

#pragma once

#include <QWidget>

class Principal;
class QLabel;
class QTimer;

// The splash window: shown first while the main window is set up; its timer
// closes it after five seconds and hands over to the main window.
class Inicio : public QWidget {
    Q_OBJECT
public:
    explicit Inicio(Principal& principal);

    // The timer's tick: close and destroy the splash, then make sure the main
    // window is visible. Public so that a test can tick without waiting.
    void Timer1_Timer();

    // Shows the picture and the texts over the plain colour the splash opens
    // with; once is enough, later calls do nothing.
    void MostrarContenido();

    QTimer* Timer1 = nullptr;
    QWidget* Imagen1 = nullptr; // the full-window picture, painted when first shown
    QLabel* lblTitulo = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDerechos = nullptr;

private:
    void Centrar();
    void VerContenido(bool visible);
    Principal& principal;
};

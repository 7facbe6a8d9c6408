// The bare Qt 6 Widgets program that trabina's start-up time and memory are
// compared with: one main window holding one label.

#include "MedirArranque.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication aplicacion(argc, argv);
    QMainWindow ventana;
    ventana.setWindowTitle(QStringLiteral("Base Qt"));
    ventana.setCentralWidget(new QLabel(QStringLiteral("Vexo.Parvu.Trabina")));
    ventana.show();
    MedirArranque(ventana);
    return QApplication::exec();
}

#include "board/Principal.h"
#include "model/Modulo.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(TituloAplicacion);
    Modulo modulo;
    Principal principal(modulo);
    principal.show();
    return QApplication::exec();
}

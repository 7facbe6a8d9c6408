#include "MedirArranque.h"
#include "board/Dibujos.h"
#include "board/Principal.h"
#include "shell/TituloAplicacion.h"
#include "model/Modulo.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(TituloAplicacion);
    QApplication::setWindowIcon(IconoAplicacion());
    Modulo modulo;
    Principal principal(modulo);
    principal.show();
    MedirArranque(principal);
    return QApplication::exec();
}

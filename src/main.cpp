#include "MedirArranque.h"
#include "board/Dibujos.h"
#include "board/Principal.h"
#include "model/Modulo.h"
#include "shell/TituloAplicacion.h"
#include "shell/Traduccion.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication aplicacion(argc, argv);
    InstalarTraduccionQt();
    QApplication::setApplicationName(TituloAplicacion);
    QApplication::setWindowIcon(IconoAplicacion());
    Modulo modulo;
    Principal principal(modulo);
    principal.show();
    MedirArranque(principal);
    return QApplication::exec();
}

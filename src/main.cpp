#include "MedirArranque.h"
#include "PrimerPintado.h"
#include "board/Dibujos.h"
#include "board/Principal.h"
#include "model/Modulo.h"
#include "shell/TituloAplicacion.h"
#include "shell/Traduccion.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(TituloAplicacion);
    // Title and task bars show the small sizes at once; the large ones, for
    // window switchers, and Qt's own Spanish texts (only dialogs and context
    // menus use them, and none can open before) follow once the main window
    // is on the screen.
    QApplication::setWindowIcon(IconoAplicacion(TamanosIcono::Pequenos));
    Modulo modulo;
    Principal principal(modulo);
    principal.show();
    TrasPrimerPintado(principal, [] {
        QApplication::setWindowIcon(IconoAplicacion());
        InstalarTraduccionQt();
    });
    MedirArranque(principal);
    return QApplication::exec();
}

#include "MedirArranque.h"
#include "PrimerPintado.h"
#include "board/Dibujos.h"
#include "board/Pixeles.h"
#include "board/Principal.h"
#include "model/Modulo.h"
#include "shell/Precarga.h"
#include "shell/TituloAplicacion.h"
#include "shell/Traduccion.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Work Qt would do later on this thread starts now on a second core.
    std::jthread fuentes = PrecargarFuentes();
    QApplication aplicacion(argc, argv);
    fuentes.join();
    const std::jthread imagenes = PrecargarImagenes();
    QApplication::setApplicationName(TituloAplicacion);
    UsarFuenteAplicacion();
    Modulo modulo;
    Principal principal(modulo);
    principal.show();
    // The window icon, which the title and task bars take up within a few
    // milliseconds, and Qt's own Spanish texts (only dialogs and context menus
    // use them, and none can open before) follow once the main window is on
    // the screen.
    TrasPrimerPintado(principal, [] {
        QApplication::setWindowIcon(IconoAplicacion());
        InstalarTraduccionQt();
    });
    MedirArranque(principal);
    return QApplication::exec();
}

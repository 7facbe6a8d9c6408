#include "shell/Ayuda.h"

#include "board/Dialogos.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QWidget>

#ifdef Q_OS_WIN
// shellapi.h needs windows.h first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#endif

namespace {

const QString AyudaAusente = QStringLiteral("La ayuda del software no se encuentra disponible en la ubicación actual");
const QString SaltoLinea = QStringLiteral("\r\n");

} // namespace

QString RutaAyuda()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/') + NombreAyuda);
}

void AbrirConVisor(const QString& ruta, QWidget* dueno)
{
#ifdef Q_OS_WIN
    const HWND ventana = dueno ? reinterpret_cast<HWND>(dueno->winId()) : nullptr;
    ShellExecuteA(ventana, "open", ruta.toLocal8Bit().constData(), nullptr, "C:\\", SW_SHOWMAXIMIZED);
#else
    // The desktop's own handler; the document is a path, never a command line.
    Q_UNUSED(dueno);
    QDesktopServices::openUrl(QUrl::fromLocalFile(ruta));
#endif
}

AbridorDocumento& AbridorAyuda()
{
    static AbridorDocumento abridor = AbrirConVisor;
    return abridor;
}

void MostrarAyuda(QWidget* dueno)
{
    const QString ruta = RutaAyuda();
    if (!QFileInfo(ruta).isFile()) {
        Advertir(dueno, AyudaAusente + SaltoLinea + ruta);
        return;
    }
    AbridorAyuda()(ruta, dueno);
}

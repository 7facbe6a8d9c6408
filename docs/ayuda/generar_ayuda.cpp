// Builds the user guide Help_Trabina.pdf from its HTML source and pictures of
// the program taken offscreen; optionally also writes the README's screenshot.
//
//   generar_ayuda GUIA.html SALIDA.pdf [--captura PNG] [--imagenes DIR]
//   generar_ayuda --captura PNG
//
// Lines on standard error tell where the program did not behave as the
// guide's worked example says; they do not stop the build.

#include "Capturas.h"
#include "Guia.h"
#include "board/Pixeles.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

// The README shows the main window with the worked example calculated.
const QString CapturaReadme = QStringLiteral("calculada");

void Decir(const QString& texto)
{
    std::fprintf(stderr, "generar_ayuda: %s\n", qPrintable(texto));
}

bool GuardarImagenes(const Capturas& capturas, const QString& carpeta)
{
    QDir().mkpath(carpeta);
    for (auto it = capturas.imagenes.cbegin(); it != capturas.imagenes.cend(); ++it)
        if (!it.value().save(QDir(carpeta).filePath(it.key() + QStringLiteral(".png"))))
            return false;
    return true;
}

int Generar(const QStringList& argumentos, const QString& captura, const QString& carpeta)
{
    const Capturas capturas = TomarCapturas();
    for (const QString& aviso : capturas.avisos)
        Decir(QStringLiteral("warning: ") + aviso);
    if (!captura.isEmpty() && !capturas.imagenes.value(CapturaReadme).save(captura)) {
        Decir(QStringLiteral("cannot write ") + captura);
        return 1;
    }
    if (!carpeta.isEmpty() && !GuardarImagenes(capturas, carpeta)) {
        Decir(QStringLiteral("cannot write the pictures into ") + carpeta);
        return 1;
    }
    if (argumentos.isEmpty())
        return 0;
    QFile fuente(argumentos[0]);
    if (!fuente.open(QIODevice::ReadOnly)) {
        Decir(QStringLiteral("cannot read ") + argumentos[0]);
        return 1;
    }
    QStringList avisos;
    QString error;
    if (!EscribirGuia(QString::fromUtf8(fuente.readAll()), capturas.imagenes, argumentos[1], avisos, error)) {
        Decir(QStringLiteral("cannot write %1: %2").arg(argumentos[1], error));
        return 1;
    }
    for (const QString& aviso : avisos)
        Decir(QStringLiteral("warning: ") + aviso);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // Never a window on the desktop of whoever builds; pictures at twice the
    // size, so that they stay sharp on paper.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication aplicacion(argc, argv);
    QLocale::setDefault(QLocale::c());
    UsarFuenteAplicacion(); // as the program shows its windows

    QCommandLineParser opciones;
    opciones.setApplicationDescription(QStringLiteral("Builds the user guide of Vexo.Parvu.Trabina."));
    opciones.addHelpOption();
    opciones.addPositionalArgument(QStringLiteral("guia"), QStringLiteral("The guide's HTML source."));
    opciones.addPositionalArgument(QStringLiteral("salida"), QStringLiteral("The PDF to write."));
    const QCommandLineOption captura(QStringLiteral("captura"),
        QStringLiteral("Also write the main window with the worked example as a PNG."), QStringLiteral("png"));
    const QCommandLineOption imagenes(QStringLiteral("imagenes"),
        QStringLiteral("Also write every picture of the guide into a folder."), QStringLiteral("carpeta"));
    opciones.addOption(captura);
    opciones.addOption(imagenes);
    opciones.process(aplicacion);

    const QStringList argumentos = opciones.positionalArguments();
    const bool soloCaptura = argumentos.isEmpty() && (opciones.isSet(captura) || opciones.isSet(imagenes));
    if (argumentos.size() != 2 && !soloCaptura)
        opciones.showHelp(1);
    return Generar(argumentos, opciones.value(captura), opciones.value(imagenes));
}

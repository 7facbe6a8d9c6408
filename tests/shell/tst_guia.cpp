// The user guide the build makes: a valid PDF of the designed length, with the
// program's pictures and the chapters the help button promises.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#ifndef RUTA_GUIA_PDF
#error "RUTA_GUIA_PDF names the built guide"
#endif

namespace {

QByteArray Leer(const char* ruta)
{
    QFile archivo(QString::fromUtf8(ruta));
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

// Page objects, not the page tree: "/Type /Page" not followed by "s".
int ContarPaginas(const QByteArray& pdf)
{
    static const QRegularExpression pagina(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    return int(QString::fromLatin1(pdf).count(pagina));
}

QString Herramienta(const QString& nombre, const QStringList& argumentos)
{
    if (QStandardPaths::findExecutable(nombre).isEmpty())
        return {};
    QProcess proceso;
    proceso.start(nombre, argumentos);
    if (!proceso.waitForFinished(60000) || proceso.exitCode() != 0)
        return {};
    return QString::fromUtf8(proceso.readAllStandardOutput());
}

} // namespace

class PruebaGuia : public QObject {
    Q_OBJECT
private slots:
    void pdfValido();
    void numeroDePaginas();
    void pdfinfoCoincide();
    void contieneLasImagenes();
    void textoDeLaGuia_data();
    void textoDeLaGuia();
};

void PruebaGuia::pdfValido()
{
    const QByteArray pdf = Leer(RUTA_GUIA_PDF);
    QVERIFY2(!pdf.isEmpty(), RUTA_GUIA_PDF);
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    QVERIFY(pdf.contains("/Root"));
}

void PruebaGuia::numeroDePaginas()
{
    // The guide is written for 6 to 10 A4 pages; its eleven chapters are all there.
    QCOMPARE(int(Leer(RUTA_GUIA_HTML).count("<h1>")), 11);
    const int paginas = ContarPaginas(Leer(RUTA_GUIA_PDF));
    QVERIFY2(paginas >= 6 && paginas <= 10, qPrintable(QString::number(paginas)));
}

void PruebaGuia::pdfinfoCoincide()
{
    const QString info = Herramienta(QStringLiteral("pdfinfo"), { QString::fromUtf8(RUTA_GUIA_PDF) });
    if (info.isEmpty())
        QSKIP("pdfinfo (poppler-utils) is not installed");
    const QRegularExpression paginas(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption);
    const auto coincidencia = paginas.match(info);
    QVERIFY(coincidencia.hasMatch());
    QCOMPARE(coincidencia.captured(1).toInt(), ContarPaginas(Leer(RUTA_GUIA_PDF)));
    QVERIFY(info.contains(QStringLiteral("guía del usuario")));
}

void PruebaGuia::contieneLasImagenes()
{
    // Every distinct picture of the source is drawn at least once.
    const QString html = QString::fromUtf8(Leer(RUTA_GUIA_HTML));
    QSet<QString> nombres;
    static const QRegularExpression imagen(QStringLiteral("src=\"captura:([a-z_0-9]+)\""));
    for (auto it = imagen.globalMatch(html); it.hasNext();)
        nombres.insert(it.next().captured(1));
    QVERIFY(nombres.size() >= 10);
    const int objetos = int(Leer(RUTA_GUIA_PDF).count("/Subtype /Image"));
    QVERIFY2(objetos >= nombres.size(), qPrintable(QStringLiteral("%1 < %2").arg(objetos).arg(nombres.size())));
}

void PruebaGuia::textoDeLaGuia_data()
{
    QTest::addColumn<QString>("frase");
    QTest::newRow("determinacy count") << "2N = B + 3";
    QTest::newRow("node limit") << "No se pueden agregar más de 20 nodos";
    QTest::newRow("load limit") << "No se pueden aplicar más de 10 cargas";
    QTest::newRow("load angle convention") << "hacia el nodo";
    QTest::newRow("success message") << "Cercha calculada satisfactoriamente";
    QTest::newRow("count message") << "Cercha mal determinada";
    QTest::newRow("results window") << "Resultado de Trabina V1.0";
    QTest::newRow("worked example reaction") << "Apoyo Movil Y: 700.00";
    QTest::newRow("help document name") << "Help_Trabina.pdf";
}

void PruebaGuia::textoDeLaGuia()
{
    QFETCH(QString, frase);
    const QString texto
        = Herramienta(QStringLiteral("pdftotext"), { QString::fromUtf8(RUTA_GUIA_PDF), QStringLiteral("-") });
    if (texto.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    // Line ends inside a sentence read as blanks.
    QString seguido = texto;
    seguido.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    QVERIFY2(seguido.contains(frase), qPrintable(frase));
}

QTEST_GUILESS_MAIN(PruebaGuia)
#include "tst_guia.moc"

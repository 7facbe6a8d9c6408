// The user guide the build makes: a valid PDF of the designed length, its pictures and texts.

#include <QtTest>

namespace {

QByteArray Leer(const char* ruta)
{
    QFile archivo(QString::fromUtf8(ruta));
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

// A poppler tool's output on the guide; empty when the tool is missing or fails.
QString Poppler(const QString& nombre, QStringList argumentos = {})
{
    QProcess proceso;
    proceso.start(nombre, QStringList { QString::fromUtf8(RUTA_GUIA_PDF) } + argumentos);
    const bool bien = proceso.waitForFinished(60000) && proceso.exitCode() == 0;
    return bien ? QString::fromUtf8(proceso.readAllStandardOutput()) : QString();
}

} // namespace

class PruebaGuia : public QObject {
    Q_OBJECT
private slots:
    void pdfValidoConSusPaginas();
    void texto_data();
    void texto();
};

void PruebaGuia::pdfValidoConSusPaginas()
{
    const QByteArray pdf = Leer(RUTA_GUIA_PDF);
    QVERIFY2(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF") && pdf.contains("/Root"), RUTA_GUIA_PDF);
    // Page objects, not the page tree: "/Type /Page" not followed by "s".
    static const QRegularExpression pagina(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    const int paginas = int(QString::fromLatin1(pdf).count(pagina));
    QVERIFY2(paginas >= 6 && paginas <= 10, qPrintable(QString::number(paginas))); // written for 6 to 10 A4 pages
    // Every distinct picture of the source is drawn at least once.
    static const QRegularExpression imagen(QStringLiteral("src=\"captura:([a-z_0-9]+)\""));
    QSet<QString> nombres;
    for (auto it = imagen.globalMatch(QString::fromUtf8(Leer(RUTA_GUIA_HTML))); it.hasNext();)
        nombres.insert(it.next().captured(1));
    QVERIFY(nombres.size() >= 10 && pdf.count("/Subtype /Image") >= nombres.size());
    const QString info = Poppler(QStringLiteral("pdfinfo"));
    if (info.isEmpty())
        QSKIP("pdfinfo (poppler-utils) is not installed");
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("^Pages:\\s+%1$").arg(paginas),
        QRegularExpression::MultilineOption))); // a reader agrees
}

void PruebaGuia::texto_data()
{
    QTest::addColumn<QString>("frase");
    QTest::newRow("determinacy count") << "2N = B + 3";
    QTest::newRow("node limit") << "No se pueden agregar más de 20 nodos";
    QTest::newRow("load angle convention") << "hacia el nodo";
    QTest::newRow("worked example reaction") << "Apoyo Movil Y: 700.00";
}

void PruebaGuia::texto()
{
    QFETCH(QString, frase);
    static const QString texto = Poppler(QStringLiteral("pdftotext"), { QStringLiteral("-") })
                                     .replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    if (texto.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QVERIFY2(texto.contains(frase), qPrintable(frase)); // line ends inside a sentence read as blanks
}

QTEST_GUILESS_MAIN(PruebaGuia)
#include "tst_guia.moc"

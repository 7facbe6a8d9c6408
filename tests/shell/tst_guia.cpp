// The user guide the build makes: a valid PDF of the designed length, its pictures and texts,
// a contents list whose page numbers a PDF reader confirms, and every figure on its step's page.

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

// The guide's pages as pdftotext lays them out, each line trimmed, ligatures
// such as "ﬂ" read as their letters.
QList<QStringList> Paginas()
{
    QList<QStringList> paginas;
    for (const QString& pagina :
        Poppler(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), QStringLiteral("-") })
            .split(u'\f', Qt::SkipEmptyParts)) {
        QStringList lineas;
        for (const QString& linea : pagina.split(u'\n'))
            lineas << linea.normalized(QString::NormalizationForm_KC).simplified();
        paginas << lineas;
    }
    return paginas;
}

// 1-based page holding a line that is exactly `linea`, or holding `texto`; 0 if none.
int PaginaConLinea(const QList<QStringList>& paginas, const QString& linea)
{
    for (qsizetype i = 0; i < paginas.size(); ++i)
        if (paginas[i].contains(linea))
            return int(i + 1);
    return 0;
}

int PaginaConTexto(const QList<QStringList>& paginas, const QString& texto)
{
    for (qsizetype i = 0; i < paginas.size(); ++i)
        if (paginas[i].join(u' ').contains(texto))
            return int(i + 1);
    return 0;
}

QString Fuente()
{
    return QString::fromUtf8(Leer(RUTA_GUIA_HTML));
}

} // namespace

class PruebaGuia : public QObject {
    Q_OBJECT
private slots:
    void pdfValidoConSusPaginas();
    void texto_data();
    void texto();
    void indiceConSusPaginas();
    void figurasEnLaPaginaDeSuPaso();
};

void PruebaGuia::pdfValidoConSusPaginas()
{
    const QByteArray pdf = Leer(RUTA_GUIA_PDF);
    QVERIFY2(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF") && pdf.contains("/Root"), RUTA_GUIA_PDF);
    // Page objects, not the page tree: "/Type /Page" not followed by "s".
    static const QRegularExpression pagina(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    const int paginas = int(QString::fromLatin1(pdf).count(pagina));
    QVERIFY2(paginas >= 12 && paginas <= 20, qPrintable(QString::number(paginas))); // written for about 15 A4 pages
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
    QTest::addColumn<bool>("esta");
    QTest::newRow("determinacy count") << "2N = B + 3" << true;
    QTest::newRow("node limit") << "No se pueden agregar más de 20 nodos" << true;
    QTest::newRow("load angle convention") << "hacia el nodo" << true;
    QTest::newRow("worked example reaction") << "Apoyo Movil Y: 700.00" << true;
    // Negative numbers as the program writes them, with a hyphen.
    QTest::newRow("negative reaction") << "Apoyo Fijo X: -400.00" << true;
    QTest::newRow("no minus sign in a result") << "−400.00" << false;
    QTest::newRow("list heading") << "Barra Nodos Fuerza" << true;
    QTest::newRow("no heading the program lacks") << "Esfuerzo (N)" << false;
    QTest::newRow("count refusal") << "«Cercha mal determinada, matriz de cálculo no es cuadrada»" << true;
    QTest::newRow("singular refusal") << "«Matriz singular, Imposible calcular la cercha»" << true;
    QTest::newRow("width refusal") << "«El ancho del dibujo debe estar entre 1 y 32767 metros»" << true;
    QTest::newRow("height refusal") << "«El alto del dibujo debe ser un número mayor que 0»" << true;
    QTest::newRow("unmappable height") << "«El alto del dibujo está fuera del alcance del tablero»" << true;
    QTest::newRow("near mechanism") << "«la cercha es casi un mecanismo; revise los nodos marcados»" << true;
    // The node tool's snap: m = 1, t = 10, d = 0 < 5, so (10 t + 5) / 100.
    QTest::newRow("snap of a round metre") << "justo en 1.00 m se lee 1.05" << true;
    QTest::newRow("no plain grid") << "rejilla de 0.05" << false;
}

void PruebaGuia::texto()
{
    QFETCH(QString, frase);
    QFETCH(bool, esta);
    static const QString texto = Poppler(QStringLiteral("pdftotext"), { QStringLiteral("-") })
                                     .replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    if (texto.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QVERIFY2(texto.contains(frase) == esta, qPrintable(frase)); // line ends inside a sentence read as blanks
}

// Each chapter stands on the page its line in the contents list names.
void PruebaGuia::indiceConSusPaginas()
{
    const QList<QStringList> paginas = Paginas();
    if (paginas.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    static const QRegularExpression capitulo(QStringLiteral("<h1>([^<]+)</h1>"));
    int capitulos = 0;
    for (auto it = capitulo.globalMatch(Fuente()); it.hasNext(); ++capitulos) {
        const QString titulo = it.next().captured(1);
        const QRegularExpression entrada(u'^' + QRegularExpression::escape(titulo) + QStringLiteral(" (\\d+)$"));
        int dice = 0;
        for (const QString& linea : paginas.first())
            if (const auto m = entrada.match(linea); m.hasMatch())
                dice = m.captured(1).toInt();
        QVERIFY2(dice > 0, qPrintable(titulo));
        QCOMPARE(PaginaConLinea(paginas, titulo), dice);
    }
    QCOMPARE(capitulos, 11);
}

// A figure shares its page with its caption and, when it is the first figure
// after a heading, with that heading; images counted in the order the source
// names them, as pdfimages lists them.
void PruebaGuia::figurasEnLaPaginaDeSuPaso()
{
    const QList<QStringList> paginas = Paginas();
    const QStringList imagenes = Poppler(QStringLiteral("pdfimages"), { QStringLiteral("-list") }).split(u'\n');
    if (paginas.isEmpty() || imagenes.isEmpty())
        QSKIP("pdftotext or pdfimages (poppler-utils) is not installed");
    QList<int> paginaImagen; // by order of drawing: "page num type ..."
    for (const QString& linea : imagenes)
        if (const QStringList campos = linea.simplified().split(u' '); campos.size() > 2 && campos[2] == u"image")
            paginaImagen << campos[0].toInt();
    static const QRegularExpression pieza(QStringLiteral("<h[12][^>]*>([^<]+)</h[12]>|<img src=\"captura:[a-z_0-9]+\">"
                                                         "</p>\\s*<p class=\"pie\">([^<]+)</p>|<img "));
    int imagen = -1;
    int paginaPaso = 0;
    for (auto it = pieza.globalMatch(Fuente()); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            paginaPaso = PaginaConLinea(paginas, m.captured(1));
            continue;
        }
        ++imagen;
        if (m.captured(2).isEmpty())
            continue;
        const int paginaPie = PaginaConTexto(paginas, m.captured(2));
        QVERIFY2(paginaPie > 0 && (paginaPaso < 0 || paginaPie == paginaPaso), qPrintable(m.captured(2)));
        QVERIFY(imagen < paginaImagen.size());
        QCOMPARE(paginaImagen[imagen], paginaPie);
        paginaPaso = -1;
    }
    QCOMPARE(imagen + 1, paginaImagen.size());
}

QTEST_GUILESS_MAIN(PruebaGuia)
#include "tst_guia.moc"

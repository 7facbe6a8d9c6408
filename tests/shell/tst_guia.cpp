// The user guide the build makes: a valid PDF of the designed length, its texts, a contents list whose page numbers a
// PDF reader confirms, and every picture of the source drawn once, on its step's page.

#include <QtTest>

namespace {

QByteArray Leer(const char* ruta)
{
    QFile archivo(QString::fromUtf8(ruta));
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

const QString Fuente = QString::fromUtf8(Leer(RUTA_GUIA_HTML));

// A poppler tool's output on the guide; empty when the tool is missing or fails.
QString Poppler(const QString& nombre, QStringList argumentos = {})
{
    QProcess proceso;
    proceso.start(nombre, QStringList { QString::fromUtf8(RUTA_GUIA_PDF) } + argumentos);
    const bool bien = proceso.waitForFinished(60000) && proceso.exitCode() == 0;
    return bien ? QString::fromUtf8(proceso.readAllStandardOutput()) : QString();
}

// The guide's pages as pdftotext lays them out, each line trimmed, ligatures such as "ﬂ" read as their letters.
QList<QStringList> Paginas()
{
    QList<QStringList> paginas;
    for (const QString& pagina : Poppler("pdftotext", { "-layout", "-" }).split(u'\f', Qt::SkipEmptyParts)) {
        QStringList lineas;
        for (const QString& linea : pagina.split(u'\n'))
            lineas << linea.normalized(QString::NormalizationForm_KC).simplified();
        paginas << lineas;
    }
    return paginas;
}

// 1-based page holding a line that is exactly `texto` (or, not `linea`, holding `texto`); 0 if none.
int Pagina(const QList<QStringList>& paginas, const QString& texto, bool linea = true)
{
    for (qsizetype i = 0; i < paginas.size(); ++i)
        if (linea ? paginas[i].contains(texto) : paginas[i].join(u' ').contains(texto))
            return int(i + 1);
    return 0;
}

} // namespace

class PruebaGuia : public QObject {
    Q_OBJECT
private slots:
    void texto_data()
    {
        QTest::addColumn<QString>("frase");
        QTest::newRow("determinacy count") << "2N = B + 3";
        QTest::newRow("node limit") << "No se pueden agregar más de 20 nodos";
        QTest::newRow("load angle convention") << "hacia el nodo";
        QTest::newRow("worked example reactions, negative with a hyphen")
            << "Apoyo Fijo X: -400.00, Apoyo Fijo Y: 300.00 y Apoyo Movil Y: 700.00";
        QTest::newRow("list heading") << "Barra Nodos Fuerza";
        QTest::newRow("count refusal") << "«Cercha mal determinada, matriz de cálculo no es cuadrada»";
        QTest::newRow("singular refusal") << "«Matriz singular, Imposible calcular la cercha»";
        QTest::newRow("width refusal") << "«El ancho del dibujo debe estar entre 1 y 32767 metros»";
        QTest::newRow("height refusal") << "«El alto del dibujo debe ser un número mayor que 0»";
        QTest::newRow("unmappable height") << "«El alto del dibujo está fuera del alcance del tablero»";
        QTest::newRow("near mechanism") << "«la cercha es casi un mecanismo; revise los nodos marcados»";
        // The node tool's snap: m = 1, t = 10, d = 0 < 5, so (10 t + 5) / 100.
        QTest::newRow("snap of a round metre") << "justo en 1.00 m se lee 1.05";
    }
    void texto()
    {
        QFETCH(QString, frase);
        static const QString texto = Poppler("pdftotext", { "-" }).replace(QRegularExpression("\\s+"), " ");
        if (texto.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY2(texto.contains(frase), qPrintable(frase));
    }

    // A PDF written for about 15 A4 pages; each chapter stands on the page its line in the contents list names.
    void indiceConSusPaginas()
    {
        const QByteArray pdf = Leer(RUTA_GUIA_PDF);
        QVERIFY2(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF") && pdf.contains("/Root"), RUTA_GUIA_PDF);
        const QList<QStringList> paginas = Paginas();
        if (paginas.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY2(paginas.size() >= 12 && paginas.size() <= 20, qPrintable(QString::number(paginas.size())));
        for (auto it = QRegularExpression("<h1>([^<]+)</h1>").globalMatch(Fuente); it.hasNext();) {
            const QString titulo = it.next().captured(1);
            const QRegularExpression entrada(u'^' + QRegularExpression::escape(titulo) + " (\\d+)$");
            const QStringList dice = paginas.first().filter(entrada);
            QVERIFY2(dice.size() == 1, qPrintable(titulo));
            QCOMPARE(Pagina(paginas, titulo), entrada.match(dice[0]).captured(1).toInt());
        }
        QCOMPARE(Fuente.count(QStringLiteral("<h1>")), 11);
    }

    // A figure shares its page with its caption and, when it is the first figure after a heading, with that heading;
    // images counted in the order the source names them, as pdfimages lists them ("page num type ...").
    void figurasEnLaPaginaDeSuPaso()
    {
        const QList<QStringList> paginas = Paginas();
        QList<int> paginaImagen;
        for (const QString& linea : Poppler("pdfimages", { "-list" }).split(u'\n'))
            if (const QStringList campos = linea.simplified().split(u' '); campos.size() > 2 && campos[2] == u"image")
                paginaImagen << campos[0].toInt();
        if (paginas.isEmpty() || paginaImagen.isEmpty())
            QSKIP("pdftotext or pdfimages (poppler-utils) is not installed");
        const QRegularExpression pieza("<h[12][^>]*>([^<]+)</h[12]>|<img src=\"captura:[a-z_0-9]+\">"
                                       "</p>\\s*<p class=\"pie\">([^<]+)</p>|<img ");
        int imagen = -1, paginaPaso = 0;
        for (auto it = pieza.globalMatch(Fuente); it.hasNext();) {
            const auto m = it.next();
            if (!m.captured(1).isEmpty()) {
                paginaPaso = Pagina(paginas, m.captured(1));
                continue;
            }
            ++imagen;
            if (m.captured(2).isEmpty())
                continue;
            const int paginaPie = Pagina(paginas, m.captured(2), false);
            QVERIFY2(paginaPie > 0 && (paginaPaso < 0 || paginaPie == paginaPaso), qPrintable(m.captured(2)));
            QCOMPARE(paginaImagen.value(imagen), paginaPie); // 0 past the list
            paginaPaso = -1;
        }
        QCOMPARE(imagen + 1, paginaImagen.size());
    }
};

QTEST_GUILESS_MAIN(PruebaGuia)
#include "tst_guia.moc"

#include "board/Dibujos.h"

#include <QIcon>
#include <QImage>
#include <QLocale>
#include <QPixmap>
#include <QtTest>

#include <algorithm>

// The program's pictures: sizes and ratios the windows lay out by, the
// transparency they rely on, and where the support symbols put the node.

namespace {

QImage Pixeles(const QPixmap& dibujo)
{
    return dibujo.toImage().convertToFormat(QImage::Format_ARGB32);
}

// Whether some pixel has exactly this alpha.
bool HayAlfa(const QImage& imagen, int alfa)
{
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x)
            if (qAlpha(imagen.pixel(x, y)) == alfa)
                return true;
    return false;
}

int Cubiertos(const QImage& imagen, int fila)
{
    int n = 0;
    for (int x = 0; x < imagen.width(); ++x)
        n += qAlpha(imagen.pixel(x, fila)) >= 128;
    return n;
}

} // namespace

class TstDibujos : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void tamanos_data();
    void tamanos();
    void transparentesConFigura_data();
    void transparentesConFigura();
    void todosDistintos();
    void desconocidosEnBlanco_data();
    void desconocidosEnBlanco();
    void apoyoConVerticeEnElNodo_data();
    void apoyoConVerticeEnElNodo();
    void ejesDesdeAbajoIzquierda();
    void presentacionOscuraArriba();
    void presentacionVacia();
    void iconoEnTodosLosTamanos();
};

void TstDibujos::tamanos_data()
{
    QTest::addColumn<QPixmap>("dibujo");
    QTest::addColumn<QSize>("logico");
    const QStringList herramientas = {"Apoyo", "Carga", "Nodo", "Elemen", "Area", "Nuevo"};
    for (int i = 0; i < herramientas.size(); ++i)
        QTest::newRow(qPrintable("herramienta " + herramientas[i])) << DibujoHerramienta(i) << QSize(32, 32);
    const QStringList comandos = {"Calcular", "Resultados", "Acercade", "Salir"};
    for (int i = 0; i < comandos.size(); ++i)
        QTest::newRow(qPrintable("comando " + comandos[i])) << DibujoComando(i) << QSize(32, 32);
    // 480 twips at 15 twips per pixel; the axes 615 x 660 twips.
    QTest::newRow("apoyo fijo") << DibujoApoyoFijo() << QSize(32, 32);
    QTest::newRow("apoyo movil") << DibujoApoyoMovil() << QSize(32, 32);
    QTest::newRow("ejes") << DibujoEjes() << QSize(41, 44);
    QTest::newRow("logo del programa") << DibujoLogo(0) << QSize(64, 64);
    QTest::newRow("logo del taller") << DibujoLogo(1) << QSize(64, 64);
    QTest::newRow("presentacion") << DibujoPresentacion(QSize(450, 300)) << QSize(450, 300);
}

void TstDibujos::tamanos()
{
    QFETCH(QPixmap, dibujo);
    QFETCH(QSize, logico);
    QCOMPARE(dibujo.devicePixelRatio(), 2.0);
    QCOMPARE(dibujo.deviceIndependentSize(), QSizeF(logico));
    QCOMPARE(dibujo.size(), logico * 2);
}

void TstDibujos::transparentesConFigura_data()
{
    QTest::addColumn<QPixmap>("dibujo");
    for (int i = 0; i < 6; ++i)
        QTest::newRow(qPrintable(QString("herramienta %1").arg(i))) << DibujoHerramienta(i);
    for (int i = 0; i < 4; ++i)
        QTest::newRow(qPrintable(QString("comando %1").arg(i))) << DibujoComando(i);
    QTest::newRow("apoyo fijo") << DibujoApoyoFijo();
    QTest::newRow("apoyo movil") << DibujoApoyoMovil();
    QTest::newRow("ejes") << DibujoEjes();
    QTest::newRow("logo del programa") << DibujoLogo(0);
    QTest::newRow("logo del taller") << DibujoLogo(1);
}

// Button faces and the white board must show through around each figure.
void TstDibujos::transparentesConFigura()
{
    QFETCH(QPixmap, dibujo);
    const QImage imagen = Pixeles(dibujo);
    QCOMPARE(qAlpha(imagen.pixel(0, 0)), 0);
    QVERIFY(HayAlfa(imagen, 0));
    QVERIFY(HayAlfa(imagen, 255));
}

// A slip in a table of pictures would show one picture twice.
void TstDibujos::todosDistintos()
{
    QList<QImage> imagenes;
    for (int i = 0; i < 6; ++i)
        imagenes << Pixeles(DibujoHerramienta(i));
    for (int i = 0; i < 4; ++i)
        imagenes << Pixeles(DibujoComando(i));
    imagenes << Pixeles(DibujoApoyoFijo()) << Pixeles(DibujoApoyoMovil());
    imagenes << Pixeles(DibujoLogo(0)) << Pixeles(DibujoLogo(1));
    for (int i = 0; i < imagenes.size(); ++i)
        for (int j = i + 1; j < imagenes.size(); ++j)
            QVERIFY2(imagenes[i] != imagenes[j], qPrintable(QString("pictures %1 and %2").arg(i).arg(j)));
}

void TstDibujos::desconocidosEnBlanco_data()
{
    QTest::addColumn<QPixmap>("dibujo");
    QTest::addColumn<QSize>("logico");
    QTest::newRow("herramienta -1") << DibujoHerramienta(-1) << QSize(32, 32);
    QTest::newRow("herramienta 6") << DibujoHerramienta(6) << QSize(32, 32);
    QTest::newRow("comando 4") << DibujoComando(4) << QSize(32, 32);
    QTest::newRow("logo 2") << DibujoLogo(2) << QSize(64, 64);
}

void TstDibujos::desconocidosEnBlanco()
{
    QFETCH(QPixmap, dibujo);
    QFETCH(QSize, logico);
    QCOMPARE(dibujo.deviceIndependentSize(), QSizeF(logico));
    QVERIFY(!HayAlfa(Pixeles(dibujo), 255));
    QVERIFY(HayAlfa(Pixeles(dibujo), 0));
}

void TstDibujos::apoyoConVerticeEnElNodo_data()
{
    QTest::addColumn<QPixmap>("dibujo");
    QTest::addColumn<qreal>("proporcion");
    QTest::newRow("fijo a 2") << DibujoApoyoFijo() << 2.0;
    QTest::newRow("movil a 2") << DibujoApoyoMovil() << 2.0;
    QTest::newRow("fijo a 3") << DibujoApoyoFijo(3) << 3.0;
    QTest::newRow("movil a 3") << DibujoApoyoMovil(3) << 3.0;
}

// The board puts the node 240 twips from the image's left and 190 from its
// top: 240 / 15 = 16 px and 190 / 15 = 12.67 px. The symbol's top must be
// its apex, there: a point, not a flat edge, and nothing above it.
void TstDibujos::apoyoConVerticeEnElNodo()
{
    QFETCH(QPixmap, dibujo);
    QFETCH(qreal, proporcion);
    QCOMPARE(dibujo.devicePixelRatio(), proporcion);
    const QImage imagen = Pixeles(dibujo);
    int fila = 0;
    while (fila < imagen.height() && Cubiertos(imagen, fila) == 0)
        ++fila;
    QVERIFY(fila < imagen.height());
    QVERIFY2(qAbs((fila + 0.5) / proporcion - 190.0 / 15) <= 1, qPrintable(QString::number(fila)));

    qreal suma = 0;
    for (int x = 0; x < imagen.width(); ++x)
        if (qAlpha(imagen.pixel(x, fila)) >= 128)
            suma += x + 0.5;
    QVERIFY(qAbs(suma / Cubiertos(imagen, fila) / proporcion - 16) <= 1);
    QVERIFY(Cubiertos(imagen, fila) / proporcion < 2);

    // The symbol widens below the node and ends inside the picture.
    const int cuerpo = qRound((190.0 / 15 + 5) * proporcion);
    QVERIFY(Cubiertos(imagen, cuerpo) / proporcion >= 4);
    QCOMPARE(Cubiertos(imagen, imagen.height() - 1), 0);
}

// The X axis is the fullest row and lies low; the Y axis is the fullest column
// and lies left.
void TstDibujos::ejesDesdeAbajoIzquierda()
{
    const QImage imagen = Pixeles(DibujoEjes(1));
    QCOMPARE(imagen.size(), QSize(41, 44));
    int filaEje = 0, columnaEje = 0, masFila = 0, masColumna = 0;
    for (int y = 0; y < imagen.height(); ++y) {
        const int n = Cubiertos(imagen, y);
        if (n > masFila)
            masFila = n, filaEje = y;
    }
    for (int x = 0; x < imagen.width(); ++x) {
        int n = 0;
        for (int y = 0; y < imagen.height(); ++y)
            n += qAlpha(imagen.pixel(x, y)) >= 128;
        if (n > masColumna)
            masColumna = n, columnaEje = x;
    }
    QVERIFY2(filaEje >= 44 * 3 / 4, qPrintable(QString::number(filaEje)));
    QVERIFY2(columnaEje < 41 / 4, qPrintable(QString::number(columnaEje)));
    // Each axis runs across at least two thirds of the picture.
    QVERIFY(masFila >= 41 * 2 / 3);
    QVERIFY(masColumna >= 44 * 2 / 3);
}

// The splash's titles are white text on the upper part: it must stay dark
// there, while the truss shows light below.
void TstDibujos::presentacionOscuraArriba()
{
    const QImage imagen = Pixeles(DibujoPresentacion(QSize(400, 300), 1));
    int masClaroArriba = 0, masClaroAbajo = 0;
    for (int y = 0; y < imagen.height(); ++y) {
        for (int x = 0; x < imagen.width(); ++x) {
            const QRgb p = imagen.pixel(x, y);
            QCOMPARE(qAlpha(p), 255);
            int& masClaro = y < imagen.height() * 45 / 100 ? masClaroArriba : masClaroAbajo;
            masClaro = std::max(masClaro, qGray(p));
        }
    }
    QVERIFY2(masClaroArriba < 100, qPrintable(QString::number(masClaroArriba)));
    QVERIFY2(masClaroAbajo > 170, qPrintable(QString::number(masClaroAbajo)));
    const QRgb esquina = imagen.pixel(0, 0);
    QVERIFY(qBlue(esquina) > qRed(esquina) && qBlue(esquina) > qGreen(esquina));
}

// Regression: an empty window size must not yield a broken picture.
void TstDibujos::presentacionVacia()
{
    QVERIFY(DibujoPresentacion(QSize(0, 0)).isNull());
    QVERIFY(DibujoPresentacion(QSize(-5, 40)).isNull());
    QVERIFY(DibujoPresentacion(QSize(40, 40), 0).isNull());
}

void TstDibujos::iconoEnTodosLosTamanos()
{
    const QIcon icono = IconoAplicacion();
    const QList<QSize> esperados = {{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    QCOMPARE(icono.availableSizes(), esperados);
    for (const QSize& lado : esperados) {
        const QImage imagen = Pixeles(icono.pixmap(lado, 1.0));
        QCOMPARE(imagen.size(), lado);
        QCOMPARE(qAlpha(imagen.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(imagen.pixel(lado.width() / 2, lado.height() / 2)), 255);
    }
    // The about box shows the same mark as the window's icon.
    QCOMPARE(Pixeles(DibujoLogo(0, 1)), Pixeles(icono.pixmap(QSize(64, 64), 1.0)));
}

QTEST_MAIN(TstDibujos)
#include "tst_dibujos.moc"

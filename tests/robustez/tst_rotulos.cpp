// No caption cut or touching its control's edge, at the screen scale ctest sets (QT_SCALE_FACTOR 1, 1.25, 1.5 and 2 in
// separate runs). A caption's pixels are found by painting its control twice, the text black and then white: where the
// two pictures differ is text.

#include "shell/Acerca.h"
#include "solver/Cercha.h"
#include "solver/Dibujante.h"

#include <QHeaderView>

namespace {

// "" when the text painted in `zona` of `control` keeps `margenLogico` px from the edge, else what is wrong with it.
QString Revisar(QWidget* control, const QRect& zona, int margenLogico, const QString& texto)
{
    QImage pinturas[2];
    for (int i = 0; i < 2; ++i) {
        QPalette paleta = control->palette();
        paleta.setColor(QPalette::ButtonText, i ? Qt::white : Qt::black);
        control->setPalette(paleta);
        pinturas[i] = control->grab(zona).toImage().convertToFormat(QImage::Format_ARGB32);
    }
    QRect caja; // in the device pixels of the grab
    for (int y = 0; y < pinturas[0].height(); ++y)
        for (int x = 0; x < pinturas[0].width(); ++x)
            if (pinturas[0].pixel(x, y) != pinturas[1].pixel(x, y))
                caja |= QRect(x, y, 1, 1);
    const qreal escala = control->devicePixelRatioF();
    const int margen = qCeil(margenLogico * escala);
    const QRect dentro = QRect(QPoint(0, 0), zona.size() * escala).adjusted(margen, margen, -margen, -margen);
    if (!caja.isEmpty() && dentro.contains(caja))
        return QString();
    return QString::asprintf("«%s» at %gx: text %d,%d %dx%d in %gx%g", qPrintable(texto), escala, caja.x(), caja.y(),
        caja.width(), caja.height(), zona.width() * escala, zona.height() * escala);
}

// Shows `ventana` and checks its buttons.
QStringList RevisarBotones(QWidget* ventana)
{
    ventana->show();
    QStringList fallos { QTest::qWaitForWindowExposed(ventana) ? QString() : ventana->objectName() + " not shown" };
    for (QAbstractButton* boton : ventana->findChildren<QAbstractButton*>())
        if (!boton->text().isEmpty()) // not the grid's corner; a 2 px frame and 1 px of air
            fallos << Revisar(boton, boton->rect(), 3, boton->text());
    return fallos;
}

} // namespace

class PruebaRotulos : public QObject {
    Q_OBJECT
private slots:
    // The buttons of Principal, Acerca and Final; the headings of a triangle's matrix (Elem 1..3, Fijo X..Nod Cy).
    void sinRecortes()
    {
        QLocale::setDefault(QLocale::c());
        Dibujante d;
        QStringList fallos = RevisarBotones(&d.p);
        Acerca acerca(&d.p);
        fallos << RevisarBotones(&acerca);
        ArmarCercha(d.m, { { 0, 0 }, { 2, 0 }, { 1, 1, 0, -1000 } }, { { 1, 2 }, { 2, 3 }, { 1, 3 } }, 1, 2);
        d.p.Calcular_Click();
        const auto f = d.p.VentanaResultados();
        fallos << RevisarBotones(f.get());
        for (QHeaderView* cabecera : { f->msfgMatriz->horizontalHeader(), f->msfgMatriz->verticalHeader() }) {
            const bool fila = cabecera->orientation() == Qt::Horizontal;
            QCOMPARE(cabecera->count(), fila ? 7 : 6);
            for (int i = 0; i < cabecera->count(); ++i) {
                const int inicio = cabecera->sectionViewportPosition(i), largo = cabecera->sectionSize(i);
                const QRect celda
                    = fila ? QRect(inicio, 0, largo, cabecera->height()) : QRect(0, inicio, cabecera->width(), largo);
                const QString titulo = cabecera->model()->headerData(i, cabecera->orientation()).toString();
                fallos << Revisar(cabecera, celda, 2, titulo); // a 1 px border and 1 px of air
            }
        }
        fallos.removeAll(QString());
        QVERIFY2(fallos.isEmpty(), qPrintable(fallos.join("; ")));
    }
};

QTEST_MAIN(PruebaRotulos)
#include "tst_rotulos.moc"

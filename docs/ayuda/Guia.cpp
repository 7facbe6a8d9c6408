#include "Guia.h"

#include "Paginado.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>

namespace {

const QString Esquema = QStringLiteral("captura:");
const QString TituloGuia = QStringLiteral("Vexo.Parvu.Trabina: guía del usuario");
const QString Creador = QStringLiteral("Vexo.Parvu.Trabina 1.0.0");
const QMarginsF MargenesMm(16, 12, 16, 10);
constexpr int ResolucionPdf = 300;
// The band at the foot of each page that holds its number, in millimetres.
constexpr double PieMm = 7;

QImage Sustituto()
{
    QImage gris(400, 120, QImage::Format_RGB32);
    gris.fill(QColor(220, 220, 220));
    QPainter p(&gris);
    p.drawText(gris.rect(), Qt::AlignCenter, QStringLiteral("(imagen no disponible)"));
    return gris;
}

QStringList NombresUsados(const QString& html)
{
    QStringList nombres;
    static const QRegularExpression imagen(QStringLiteral("src=\"captura:([a-z_0-9]+)\""));
    for (auto coincidencia = imagen.globalMatch(html); coincidencia.hasNext();)
        nombres << coincidencia.next().captured(1);
    nombres.removeDuplicates();
    return nombres;
}

void AgregarImagenes(
    QTextDocument& documento, const QString& html, const QMap<QString, QImage>& imagenes, QStringList& avisos)
{
    for (const QString& nombre : NombresUsados(html)) {
        QImage imagen = imagenes.value(nombre);
        if (imagen.isNull()) {
            avisos << QStringLiteral("no picture for captura:%1").arg(nombre);
            imagen = Sustituto();
        }
        documento.addResource(QTextDocument::ImageResource, QUrl(Esquema + nombre), imagen);
    }
}

void Imprimir(QTextDocument& documento, QPdfWriter& pdf)
{
    QPainter pintor(&pdf);
    const QSizeF pagina = documento.pageSize();
    QFont letra = documento.defaultFont();
    letra.setPointSizeF(8);
    for (int i = 0; i < documento.pageCount(); ++i) {
        if (i > 0)
            pdf.newPage();
        pintor.save();
        pintor.translate(0, -i * pagina.height());
        // A paragraph split between pages also writes its last line of the
        // page before, clipped away, at the top of this one (QTextLayout draws
        // the line above its clip): invisible, but a text search finds it twice.
        documento.drawContents(&pintor, QRectF(QPointF(0, i * pagina.height()), pagina));
        pintor.restore();
        pintor.setFont(letra);
        pintor.setPen(QColor(0x44, 0x44, 0x44));
        const QRectF pie(0, pagina.height(), pagina.width(), pdf.height() - pagina.height());
        pintor.drawText(pie, Qt::AlignHCenter | Qt::AlignBottom, QString::number(i + 1));
    }
}

} // namespace

bool EscribirGuia(const QString& html, const QMap<QString, QImage>& imagenes, const QString& salida,
    QStringList& avisos, QString& error)
{
    QSaveFile archivo(salida);
    if (!archivo.open(QIODevice::WriteOnly)) {
        error = archivo.errorString();
        return false;
    }
    {
        QPdfWriter pdf(&archivo);
        pdf.setTitle(TituloGuia);
        pdf.setCreator(Creador);
        pdf.setResolution(ResolucionPdf);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(MargenesMm, QPageLayout::Millimeter);

        // Laid out on the writer's own pages, at its resolution, less the foot.
        QTextDocument documento;
        documento.documentLayout()->setPaintDevice(&pdf);
        const double pie = PieMm / 25.4 * ResolucionPdf;
        documento.setPageSize(QSizeF(pdf.width(), pdf.height() - pie));
        AgregarImagenes(documento, html, imagenes, avisos);
        Paginar(documento, html, avisos);
        Imprimir(documento, pdf);
    }
    if (!archivo.commit()) {
        error = archivo.errorString();
        return false;
    }
    return true;
}

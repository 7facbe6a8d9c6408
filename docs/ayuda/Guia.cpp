#include "Guia.h"

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
const QMarginsF MargenesMm(16, 12, 16, 12);
constexpr int ResolucionPdf = 300;

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

} // namespace

bool EscribirGuia(const QString& html, const QMap<QString, QImage>& imagenes, const QString& salida,
    QStringList& avisos, QString& error)
{
    QTextDocument documento;
    for (const QString& nombre : NombresUsados(html)) {
        QImage imagen = imagenes.value(nombre);
        if (imagen.isNull()) {
            avisos << QStringLiteral("no picture for captura:%1").arg(nombre);
            imagen = Sustituto();
        }
        documento.addResource(QTextDocument::ImageResource, QUrl(Esquema + nombre), imagen);
    }
    documento.setHtml(html);

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
        // Laid out unpaginated, the document is cut into pages here and numbered at the foot.
        documento.print(&pdf);
    }
    if (!archivo.commit()) {
        error = archivo.errorString();
        return false;
    }
    return true;
}

#include "Paginado.h"

#include <QAbstractTextDocumentLayout>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextObjectInterface>
#include <algorithm>

namespace {

const QString MarcaIndice = QStringLiteral("<p>[[indice]]</p>");
constexpr int PasadasIndice = 5;
constexpr int ArreglosPorPasada = 80;
// A window taller than this share of the page is drawn narrower than the
// text, so that it still fits on a page with its caption and its step.
constexpr qreal AltoMaximoFigura = 0.5;

QStringList Capitulos(const QString& html)
{
    QStringList titulos;
    static const QRegularExpression capitulo(QStringLiteral("<h1>([^<]+)</h1>"));
    for (auto it = capitulo.globalMatch(html); it.hasNext();)
        titulos << it.next().captured(1);
    return titulos;
}

// Before the pages are known, two digits hold each number's place.
QString ConIndice(const QString& html, const QStringList& titulos, const QList<int>& paginas)
{
    QString tabla = QStringLiteral("<table class=\"indice\" width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">");
    for (qsizetype i = 0; i < titulos.size(); ++i)
        tabla += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>")
                     .arg(titulos[i], paginas[i] > 0 ? QString::number(paginas[i]) : QStringLiteral("00"));
    tabla += QStringLiteral("</table>");
    QString resultado = html;
    return resultado.replace(MarcaIndice, tabla);
}

// Edits of formats re-lay out only part of a paginated document and may leave
// blocks without lines: everything is laid out afresh.
void Maquetar(QTextDocument& documento)
{
    documento.markContentsDirty(0, documento.characterCount());
    documento.documentLayout()->documentSize();
}

int Pagina(const QTextDocument& documento, const QTextBlock& bloque)
{
    const QRectF caja = documento.documentLayout()->blockBoundingRect(bloque);
    return static_cast<int>(caja.top() / documento.pageSize().height());
}

bool EsFigura(const QTextBlock& bloque)
{
    for (auto it = bloque.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().isImageFormat())
            return true;
    return false;
}

// Layout units per unit of an image's width, as the image handler scales it
// for the document's paint device.
qreal EscalaImagen(QTextDocument& documento, const QTextImageFormat& formato, int posicion)
{
    QTextImageFormat prueba = formato;
    prueba.setWidth(100);
    prueba.clearProperty(QTextFormat::ImageHeight);
    QTextObjectInterface* manejador = documento.documentLayout()->handlerForObject(QTextFormat::ImageObject);
    return manejador ? manejador->intrinsicSize(&documento, posicion, prueba).width() / 100 : 1;
}

void AnchoCompleto(QTextDocument& documento)
{
    const QTextFrameFormat raiz = documento.rootFrame()->frameFormat();
    const qreal ancho = documento.pageSize().width() - raiz.leftMargin() - raiz.rightMargin() - 2;
    const qreal altoMaximo = documento.pageSize().height() * AltoMaximoFigura;
    for (QTextBlock bloque = documento.begin(); bloque.isValid(); bloque = bloque.next()) {
        for (auto it = bloque.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragmento = it.fragment();
            QTextImageFormat formato = fragmento.charFormat().toImageFormat();
            if (!formato.isValid() || formato.hasProperty(QTextFormat::ImageWidth))
                continue;
            const QImage imagen
                = documento.resource(QTextDocument::ImageResource, QUrl(formato.name())).value<QImage>();
            if (imagen.isNull())
                continue;
            const qreal escala = EscalaImagen(documento, formato, fragmento.position());
            const qreal anchoFigura = std::min(ancho, altoMaximo * imagen.width() / imagen.height());
            formato.setWidth(anchoFigura / escala);
            formato.setHeight(anchoFigura / escala * imagen.height() / imagen.width());
            QTextCursor cursor(&documento);
            cursor.setPosition(fragmento.position());
            cursor.setPosition(fragmento.position() + fragmento.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(formato);
        }
    }
}

bool SaltoAntes(const QTextBlock& bloque)
{
    if (bloque.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
        return false;
    QTextBlockFormat formato;
    formato.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(bloque).mergeBlockFormat(formato);
    return true;
}

// Where a figure's step starts: the heading before it, or the block after the
// previous figure's caption, whichever is nearer.
QTextBlock InicioDelPaso(const QTextBlock& figura)
{
    QTextBlock bloque = figura.previous();
    while (bloque.isValid() && bloque.previous().isValid()) {
        if (bloque.blockFormat().headingLevel() > 0)
            return bloque;
        if (EsFigura(bloque.previous().previous()))
            return bloque;
        bloque = bloque.previous();
    }
    return bloque;
}

// The height of the blocks from `inicio` to `fin` laid out without a page
// break between them: their boxes and margins, not the blank a break leaves.
qreal AltoSinSaltos(const QTextDocument& documento, const QTextBlock& inicio, const QTextBlock& fin)
{
    qreal alto = 0;
    for (QTextBlock b = inicio; b.isValid(); b = b.next()) {
        const QTextBlockFormat formato = b.blockFormat();
        alto
            += documento.documentLayout()->blockBoundingRect(b).height() + formato.topMargin() + formato.bottomMargin();
        if (b == fin)
            break;
    }
    return alto;
}

// A break before a block goes before the heading right above it instead.
QTextBlock ConSuTitulo(const QTextBlock& bloque)
{
    const QTextBlock anterior = bloque.previous();
    return anterior.isValid() && anterior.blockFormat().headingLevel() > 0 ? anterior : bloque;
}

// One page break that keeps a figure with its step, or a heading with what
// follows it; false when nothing is left to mend.
bool ArreglarUno(QTextDocument& documento)
{
    Maquetar(documento);
    const qreal alto = documento.pageSize().height();
    for (QTextBlock bloque = documento.begin(); bloque.isValid(); bloque = bloque.next()) {
        const QTextBlock siguiente = bloque.next();
        if (bloque.blockFormat().headingLevel() > 0 && siguiente.isValid()
            && Pagina(documento, siguiente) > Pagina(documento, bloque) && SaltoAntes(bloque))
            return true;
        if (!EsFigura(bloque) || !siguiente.isValid())
            continue;
        const QTextBlock inicio = InicioDelPaso(bloque);
        const int paginaPie = Pagina(documento, siguiente);
        if (Pagina(documento, inicio) == paginaPie)
            continue;
        const qreal largo = AltoSinSaltos(documento, inicio, siguiente);
        const QTextBlock objetivo = largo <= alto * 0.97 ? inicio : ConSuTitulo(bloque.previous());
        if (Pagina(documento, objetivo) != paginaPie && SaltoAntes(objetivo))
            return true;
    }
    return false;
}

void MantenerFiguras(QTextDocument& documento, QStringList& avisos)
{
    for (int i = 0; i < ArreglosPorPasada; ++i)
        if (!ArreglarUno(documento))
            return;
    avisos << QStringLiteral("figures still split from their steps");
}

QList<int> PaginasDeCapitulos(const QTextDocument& documento, const QStringList& titulos)
{
    QList<int> paginas(titulos.size(), 0);
    for (QTextBlock bloque = documento.begin(); bloque.isValid(); bloque = bloque.next()) {
        const qsizetype i = titulos.indexOf(bloque.text().trimmed());
        if (i >= 0 && bloque.blockFormat().headingLevel() == 1)
            paginas[i] = Pagina(documento, bloque) + 1;
    }
    return paginas;
}

} // namespace

void Paginar(QTextDocument& documento, const QString& html, QStringList& avisos)
{
    const QStringList titulos = Capitulos(html);
    QList<int> paginas(titulos.size(), 0);
    for (int pasada = 0; pasada < PasadasIndice; ++pasada) {
        documento.setHtml(ConIndice(html, titulos, paginas));
        AnchoCompleto(documento);
        MantenerFiguras(documento, avisos);
        Maquetar(documento);
        const QList<int> nuevas = PaginasDeCapitulos(documento, titulos);
        if (nuevas == paginas)
            return;
        paginas = nuevas;
    }
    avisos << QStringLiteral("the contents list's page numbers did not settle");
}

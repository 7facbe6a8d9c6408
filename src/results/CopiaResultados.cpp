#include "results/CopiaResultados.h"

#include "model/Modulo.h"
#include "results/TextosResultados.h"

#include <QList>
#include <QMimeData>

namespace {

// A table of the copy: an optional title line, then rows of cells whose
// first row and first column may be headings.
struct TablaCopia {
    QString titulo;
    QList<QStringList> filas;
    bool filaTitulos = false;
    bool columnaTitulos = false;
};

TablaCopia ListaBarras(const CalculoResuelto& resuelto)
{
    TablaCopia t;
    t.filaTitulos = true;
    t.filas << QStringList { QStringLiteral("Barra"), QStringLiteral("Nodos"), QStringLiteral("Fuerza") };
    for (int b = 1; b <= resuelto.NumBarras; ++b)
        t.filas << ColumnasBarra(resuelto, b);
    return t;
}

TablaCopia Reacciones(const CalculoResuelto& resuelto)
{
    TablaCopia t;
    t.columnaTitulos = true;
    for (int i = 0; i < 3; ++i)
        t.filas << QStringList { TextosApoyo[i].trimmed(), ValorReaccion(resuelto, i) };
    return t;
}

TablaCopia Sistema(const CalculoResuelto& resuelto)
{
    TablaCopia t;
    t.titulo = QStringLiteral("Matriz de cálculo solucionada");
    t.filaTitulos = t.columnaTitulos = true;
    const int ecuaciones = 2 * resuelto.NumNodos;
    QStringList encabezados { QString() };
    for (int j = 1; j <= ecuaciones + 1; ++j)
        encabezados << EncabezadoColumna(resuelto, j);
    t.filas << encabezados;
    for (int i = 1; i <= ecuaciones; ++i) {
        QStringList fila { EncabezadoFila(i) };
        for (int j = 1; j <= ecuaciones + 1; ++j)
            fila << TextoCelda(resuelto, i, j);
        t.filas << fila;
    }
    return t;
}

QList<TablaCopia> Tablas(const CalculoResuelto& resuelto)
{
    return { ListaBarras(resuelto), Reacciones(resuelto), Sistema(resuelto) };
}

QString Html(const TablaCopia& t)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n");
    if (!t.titulo.isEmpty())
        html += QStringLiteral("<caption>") + t.titulo.toHtmlEscaped() + QStringLiteral("</caption>\n");
    for (qsizetype f = 0; f < t.filas.size(); ++f) {
        html += QStringLiteral("<tr>");
        for (qsizetype c = 0; c < t.filas[f].size(); ++c) {
            const QString marca = (f == 0 && t.filaTitulos) || (c == 0 && t.columnaTitulos) ? QStringLiteral("th")
                                                                                            : QStringLiteral("td");
            html += QStringLiteral("<%1>%2</%1>").arg(marca, t.filas[f][c].toHtmlEscaped());
        }
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

} // namespace

QString TextoResultados(const CalculoResuelto& resuelto)
{
    QStringList bloques;
    for (const TablaCopia& t : Tablas(resuelto)) {
        QStringList lineas;
        if (!t.titulo.isEmpty())
            lineas << t.titulo;
        for (const QStringList& fila : t.filas)
            lineas << fila.join(QLatin1Char('\t'));
        bloques << lineas.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }
    return bloques.join(QLatin1Char('\n'));
}

QString HtmlResultados(const CalculoResuelto& resuelto)
{
    QStringList tablas;
    for (const TablaCopia& t : Tablas(resuelto))
        tablas << Html(t);
    return QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>\n") + tablas.join(QStringLiteral("<br>\n"))
        + QStringLiteral("</body></html>\n");
}

QMimeData* DatosResultados(const CalculoResuelto& resuelto)
{
    auto* datos = new QMimeData;
    datos->setText(TextoResultados(resuelto));
    datos->setHtml(HtmlResultados(resuelto));
    return datos;
}

// What the results window shows: the bar list, the three reactions and the
// assembled system, all from the last successful calculation.

#include "board/Colores.h"
#include "board/Pixeles.h"
#include "model/Modulo.h"
#include "results/Final.h"
#include "results/TextosResultados.h"
#include "solver/Ecuaciones.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>

namespace {

constexpr int AnchoColumna = 50; // 750 twips
constexpr int AltoFila = 18;

QTableWidgetItem* Encabezado(const QString& texto)
{
    auto* celda = new QTableWidgetItem(texto);
    QFont negrita = celda->font();
    negrita.setBold(true);
    celda->setFont(negrita);
    return celda;
}

} // namespace

// "3<tab>A - D<tab>12.5": tension reads positive, as on the board. Each line's
// tooltip, each row's (on its heading and its cells) and each column heading's
// write out what it stands for.
void Final::LlenarLista(const CalculoResuelto& resuelto)
{
    for (int b = 1; b <= resuelto.NumBarras; ++b) {
        auto* linea = new QListWidgetItem(ColumnasBarra(resuelto, b).join(QLatin1Char('\t')), Elemento);
        linea->setToolTip(TooltipBarra(resuelto, b));
    }
}

void Final::LlenarReacciones(const CalculoResuelto& resuelto)
{
    for (int i = 0; i < 3; ++i)
        Apoyo[i]->setText(TextosApoyo[i] + ValorReaccion(resuelto, i));
}

// The first row and column of the grid are its headings, kept in view as the
// body scrolls: the body holds rows 1..2N and columns 1..2N + 1.
void Final::LlenarMatriz(const CalculoResuelto& resuelto)
{
    const int ecuaciones = 2 * resuelto.NumNodos;
    msfgMatriz->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Columns of 750 twips (50 px): a compact font keeps every bold heading
    // clear of the cell's edges.
    msfgMatriz->setFont(FuenteCompacta());
    msfgMatriz->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    msfgMatriz->horizontalHeader()->setDefaultSectionSize(AnchoColumna);
    msfgMatriz->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    msfgMatriz->verticalHeader()->setDefaultSectionSize(AltoFila);
    // The heading column keeps the columns' width unless its bold headings
    // need more in this font: a cut "Nod A" would hide the axis.
    msfgMatriz->verticalHeader()->setMinimumWidth(AnchoColumna);
    msfgMatriz->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // Headings only: a press on them selects nothing.
    msfgMatriz->horizontalHeader()->setSectionsClickable(false);
    msfgMatriz->verticalHeader()->setSectionsClickable(false);
    msfgMatriz->setRowCount(ecuaciones);
    msfgMatriz->setColumnCount(ecuaciones + 1);
    EncabezarMatriz(resuelto);

    for (int j = 1; j <= ecuaciones + 1; ++j) {
        const bool cargas = j == ecuaciones + 1;
        for (int i = 1; i <= ecuaciones; ++i) {
            auto* celda = new QTableWidgetItem(TextoCelda(resuelto, i, j));
            celda->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter); // decimals line up
            celda->setToolTip(msfgMatriz->verticalHeaderItem(i - 1)->toolTip()); // the row's equation
            if (cargas) {
                QFont negrita = celda->font();
                negrita.setBold(true);
                celda->setFont(negrita);
                celda->setForeground(ColorColumnaCargas);
            }
            msfgMatriz->setItem(i - 1, j - 1, celda);
        }
    }
}

void Final::EncabezarMatriz(const CalculoResuelto& resuelto)
{
    const int ecuaciones = 2 * resuelto.NumNodos;
    for (int j = 1; j <= ecuaciones + 1; ++j) {
        QTableWidgetItem* encabezado = Encabezado(EncabezadoColumna(resuelto, j));
        encabezado->setToolTip(TooltipColumna(resuelto, j));
        msfgMatriz->setHorizontalHeaderItem(j - 1, encabezado);
    }
    for (int i = 1; i <= ecuaciones; ++i) {
        QTableWidgetItem* encabezado = Encabezado(EncabezadoFila(i));
        encabezado->setToolTip(TooltipFila(resuelto, i));
        msfgMatriz->setVerticalHeaderItem(i - 1, encabezado);
    }
}

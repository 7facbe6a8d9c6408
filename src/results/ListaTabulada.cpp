#include "results/ListaTabulada.h"

#include <QApplication>
#include <QPainter>
#include <QTextOption>
#include <utility>

ListaTabulada::ListaTabulada(QList<qreal> paradasTexto, QObject* padre)
    : QStyledItemDelegate(padre)
    , paradas(std::move(paradasTexto))
{
}

void ListaTabulada::paint(QPainter* pintor, const QStyleOptionViewItem& opcion, const QModelIndex& indice) const
{
    QStyleOptionViewItem vista(opcion);
    initStyleOption(&vista, indice);
    const QString texto = vista.text;
    // The style draws the background, selection and focus; the text comes after.
    vista.text.clear();
    const QWidget* control = vista.widget;
    QStyle* estilo = control ? control->style() : QApplication::style();
    estilo->drawControl(QStyle::CE_ItemViewItem, &vista, pintor, control);

    const int margen = estilo->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, control) + 1;
    const QRectF caja = QRectF(vista.rect).adjusted(margen, 0, -margen, 0);
    QTextOption formato(Qt::AlignLeft | Qt::AlignVCenter);
    formato.setWrapMode(QTextOption::NoWrap);
    formato.setTabArray(paradas);
    const bool seleccionada = vista.state & QStyle::State_Selected;
    pintor->save();
    pintor->setFont(vista.font);
    pintor->setPen(vista.palette.color(seleccionada ? QPalette::HighlightedText : QPalette::Text));
    pintor->drawText(caja, texto, formato);
    pintor->restore();
}

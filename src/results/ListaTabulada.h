#pragma once

#include <QList>
#include <QStyledItemDelegate>

// Draws a list line with its tab characters as column stops, so that the bar
// list lines up under its heading.
class ListaTabulada : public QStyledItemDelegate {
    Q_OBJECT
public:
    ListaTabulada(QList<qreal> paradas, QObject* padre);
    void paint(QPainter* pintor, const QStyleOptionViewItem& opcion, const QModelIndex& indice) const override;

private:
    QList<qreal> paradas; // pixels from the start of the text
};

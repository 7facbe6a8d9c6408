#pragma once

#include <QString>
#include <QStringList>

class QTextDocument;

// Lays the guide's HTML out on the document's pages (its page size already
// set, its pictures already added as resources):
// - every picture without a width of its own fills the text width, or half
//   the page's height when it is that tall;
// - a figure stays on the page of its step: when the heading before it (or
//   the previous figure's caption) and its caption fall on different pages,
//   a page break goes before that heading, or before the paragraph that
//   introduces the figure when the whole step is longer than a page; a
//   heading never ends a page;
// - the paragraph "[[indice]]" becomes the contents list: each numbered
//   chapter (an <h1> without a class) with the page it starts on, found by
//   laying the document out again until the numbers stop changing.
// Lines in `avisos` tell what could not be kept.
void Paginar(QTextDocument& documento, const QString& html, QStringList& avisos);

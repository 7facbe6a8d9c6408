#pragma once

#include <QString>

struct CalculoResuelto;
class QMimeData;

// The results as the clipboard takes them, in the window's texts: the bar
// list, the three reactions and the assembled matrix with its headings.
// Tab-separated lines, one blank line between the three tables, paste into a
// spreadsheet's cells; the HTML holds the same three tables for documents.
QString TextoResultados(const CalculoResuelto& resuelto);
QString HtmlResultados(const CalculoResuelto& resuelto);
// Both, for the clipboard; the caller owns the result.
QMimeData* DatosResultados(const CalculoResuelto& resuelto);

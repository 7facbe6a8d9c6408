// Pointer moves over the board. With the bar tool drawing, each move sets the
// end of the rubber band, measures the bar (MedirBarra) and rewrites the
// status readout and both text boxes.

#include "CerchaMayor.h"

#include <QApplication>
#include <QMouseEvent>
#include <array>
#include <benchmark/benchmark.h>

namespace {

// Two points off any node, so the texts change on every move.
constexpr std::array<EventoPuntero, 2> Puntos { { { 0, 0, 3012.5f, 1203.5f }, { 0, 0, 4177.5f, 611.5f } } };

bool Dibujando(const Principal& p)
{
    return p.Ver().modulo.NumBarras == 1 && p.Ver().modulo.Barra(1).NodoFinal == 0
        && p.Ver().estado.Banderas[Bandera::Armada] && !p.Ver().estado.Banderas[Bandera::EsperaInicio];
}

// Nodes A (2, 1) and B (7, 4), the bar tool drawing from A; false (the run
// skipped) when no bar was left open.
bool AbrirBarra(Principal& p, benchmark::State& estado)
{
    p.AgregarNodo(2, 1);
    p.AgregarNodo(7, 4);
    p.Herramienta_Click(HerrBarra);
    p.Diagrama_MouseDown(SobreNodo(p, 1));
    p.Diagrama_MouseMove(Puntos[0]);
    if (Dibujando(p))
        return true;
    estado.SkipWithError("no hay barra abierta");
    return false;
}

void MedirBarra_(benchmark::State& estado)
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    if (!AbrirBarra(p, estado))
        return;
    for (auto _ : estado)
        p.MedirBarra();
}
BENCHMARK(MedirBarra_)->Name("MedirBarra");

void MovimientoBarra(benchmark::State& estado)
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    if (!AbrirBarra(p, estado))
        return;
    size_t i = 0;
    for (auto _ : estado)
        p.Diagrama_MouseMove(Puntos[++i % 2]);
}
BENCHMARK(MovimientoBarra);

// A real mouse event on the board's viewport: the view's translation to twips
// and the check of the elements that swallow the pointer come on top.
void MovimientoBarraEvento(benchmark::State& estado)
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    if (!AbrirBarra(p, estado))
        return;
    std::array<QMouseEvent*, 2> eventos {};
    for (size_t k = 0; k < 2; ++k) {
        const QPointF pixel(Puntos[k].X / TwipsPorPixel, Puntos[k].Y / TwipsPorPixel);
        eventos[k] = new QMouseEvent(QEvent::MouseMove, pixel,
            p.findChild<QGraphicsView*>(QStringLiteral("Diagrama"))->viewport()->mapToGlobal(pixel), Qt::NoButton,
            Qt::NoButton, Qt::NoModifier);
    }
    size_t i = 0;
    for (auto _ : estado)
        QApplication::sendEvent(p.findChild<QGraphicsView*>(QStringLiteral("Diagrama"))->viewport(), eventos[++i % 2]);
    for (QMouseEvent* evento : eventos)
        delete evento;
}
BENCHMARK(MovimientoBarraEvento);

// Shown window, event queue run after each move: the repaint of the rubber
// band, the readout and the text boxes is counted too.
void MovimientoBarraConPintado(benchmark::State& estado)
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    if (!AbrirBarra(p, estado))
        return;
    p.show();
    QApplication::processEvents();
    size_t i = 0;
    for (auto _ : estado) {
        p.Diagrama_MouseMove(Puntos[++i % 2]);
        QApplication::processEvents();
        QApplication::processEvents();
    }
}
BENCHMARK(MovimientoBarraConPintado);

// The node tool's move: readout plus the snapped position into the panel.
void MovimientoNodo(benchmark::State& estado)
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.Herramienta_Click(HerrNodo);
    size_t i = 0;
    for (auto _ : estado)
        p.Diagrama_MouseMove(Puntos[++i % 2]);
}
BENCHMARK(MovimientoNodo);

} // namespace

#include "Capturas.h"

#include "Ejemplo.h"
#include "board/Principal.h"
#include "board/Tablero.h"
#include "model/Numeros.h"
#include "shell/Acerca.h"
#include "shell/Inicio.h"
#include "solver/Ecuaciones.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>

namespace {

// What the guide's hand calculation gives, tension positive, as the board shows it.
constexpr std::array<double, 9> FuerzasEsperadas { 700, 0, -400, -700, 0, -700, -700, -424.3, 989.9 };

// The pointer is put a little below and left of A, where the node tool's
// 0.05 m grid snaps to (1, 1).
constexpr double PunteroNodoA = 0.98;

// The board's top-left corner, in logical pixels, holds the example with its
// load lines and supports once the drawing area is 8 m by 4.45 m.
const QRect RecorteEjemplo(0, 0, 260, 168);

// The top chord with its two loads, in metres: left, bottom, right, top.
constexpr double RecorteCargas[4] { -0.1, 2.3, 4.3, 4.45 };

const QString MensajeSingular = QStringLiteral("Matriz singular, Imposible calcular la cercha");

// The guide writes out the tooltip of the grid's row "Nod Dx", worked by hand:
// bar 3 leaves D at 0 degrees, 400 N pushes D toward +X.
constexpr int FilaNodoDx = 7;
const QString EcuacionNodoDx = QStringLiteral("Nodo D, ΣFx = 0: 1·F3 = -400");

// An arrow pointer with its tip at `punta`, as a desktop draws it, since a
// grab of a window never shows the pointer.
void DibujarPuntero(QImage& imagen, QPointF punta)
{
    static const QPointF forma[] { { 0, 0 }, { 0, 16 }, { 4, 12.5 }, { 7, 19 }, { 9.5, 18 }, { 6.6, 11.6 },
        { 11.5, 11.6 } };
    QPainter pintor(&imagen);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.translate(punta);
    pintor.setPen(QPen(Qt::white, 1.2));
    pintor.setBrush(Qt::black);
    pintor.drawPolygon(forma, int(std::size(forma)));
}

class Recorrido {
public:
    explicit Recorrido(Principal::Arranque arranque)
        : p(modulo, arranque)
    {
    }

    Capturas Tomar();
    Capturas TomarMecanismo();

private:
    void Presentacion();
    void ColocarNodos();
    void DibujarBarras(const std::array<ejemplo::Barra, 9>& barras, bool fotos);
    void ApoyosYCargas(int movil, bool fotos);
    void CalcularYResultados();
    void UsarResultados(QDialog& ventana);
    void VentanaAcerca();
    void Verificar();

    EventoPuntero EnMetros(double x, double y) const;
    EventoPuntero EnNodo(int n) const;
    void Mover(const EventoPuntero& e) { p.Diagrama_MouseMove(e); }
    void Clic(const EventoPuntero& e);
    void Herramienta(int codigo) { Control<QToolButton>(QStringLiteral("Herramienta%1").arg(codigo))->click(); }
    // The window's controls by their object names.
    template <typename T> T* Control(const QString& nombre) const { return p.findChild<T*>(nombre); }
    void Escribir(const QString& primero, const QString& segundo);
    void Capturar(const QString& nombre, QWidget* ventana);
    void CapturarTablero(const QString& nombre, QRect recorte = RecorteEjemplo);
    void CapturarParte(const QString& nombre);
    QGraphicsView* Vista() const { return Control<QGraphicsView>(QStringLiteral("Diagrama")); }
    QPoint EnVista(double x, double y) const;
    void Avisar(const QString& texto) { resultado.avisos << texto; }

    Modulo modulo;
    Principal p;
    Capturas resultado;
};

EventoPuntero Recorrido::EnMetros(double x, double y) const
{
    return { 1, 0, static_cast<float>(p.Ver().coordenadas.ATwips(x, Eje::X)),
        static_cast<float>(p.Ver().coordenadas.ATwips(y, Eje::Y)) };
}

EventoPuntero Recorrido::EnNodo(int n) const
{
    const ejemplo::Punto& punto = ejemplo::Nodos[static_cast<size_t>(n - 1)];
    return EnMetros(punto.x, punto.y);
}

void Recorrido::Clic(const EventoPuntero& e)
{
    Mover(e);
    p.Diagrama_MouseDown(e);
}

void Recorrido::Escribir(const QString& primero, const QString& segundo)
{
    Control<QLineEdit>(QStringLiteral("Prin"))->setText(primero);
    Control<QLineEdit>(QStringLiteral("Angulo"))->setText(segundo);
}

void Recorrido::Capturar(const QString& nombre, QWidget* ventana)
{
    QCoreApplication::processEvents();
    resultado.imagenes.insert(nombre, ventana->grab().toImage());
}

// A point in metres on the board's viewport, in logical pixels.
QPoint Recorrido::EnVista(double x, double y) const
{
    const EventoPuntero e = EnMetros(x, y);
    return Vista()->mapFromScene(QPointF(e.X, e.Y));
}

// The part of the board where the example lies, larger on paper than the whole window.
void Recorrido::CapturarTablero(const QString& nombre, QRect recorte)
{
    Vista()->clearFocus(); // the focus frame belongs to the screen, not to a printed page
    QCoreApplication::processEvents();
    resultado.imagenes.insert(nombre, Vista()->viewport()->grab(recorte).toImage());
}

// The window from its tool buttons down to the part of the board with the example.
void Recorrido::CapturarParte(const QString& nombre)
{
    Vista()->clearFocus();
    QCoreApplication::processEvents();
    const QPoint tablero = Control<QGraphicsView>(QStringLiteral("Diagrama"))->viewport()->mapTo(&p, QPoint(0, 0));
    const QRect parte(0, 0, p.width(), tablero.y() + RecorteEjemplo.height());
    resultado.imagenes.insert(nombre, p.grab(parte).toImage());
}

void Recorrido::Presentacion()
{
    if (!p.Ver().inicio) {
        Avisar(QStringLiteral("no splash window at start"));
        return;
    }
    Capturar(QStringLiteral("inicio"), p.Ver().inicio);
    p.Ver().inicio->Timer1_Timer(); // the hand-over, without waiting five seconds
    QCoreApplication::processEvents();
    Capturar(QStringLiteral("principal"), &p);
    Capturar(QStringLiteral("herramientas"), Control<QWidget>(QStringLiteral("Frame1")));
}

void Recorrido::ColocarNodos()
{
    Herramienta(HerrArea);
    Escribir(QString::fromLatin1(ejemplo::AnchoArea), QString::fromLatin1(ejemplo::AltoArea));
    Control<QPushButton>(QStringLiteral("Aceptar"))->click();
    // Node A with the mouse: the panel shows the snapped position before the click.
    Herramienta(HerrNodo);
    const EventoPuntero cercaDeA = EnMetros(PunteroNodoA, PunteroNodoA);
    Mover(cercaDeA);
    CapturarParte(QStringLiteral("nodo"));
    const QPoint puntero = Vista()->viewport()->mapTo(&p, EnVista(PunteroNodoA, PunteroNodoA));
    DibujarPuntero(resultado.imagenes[QStringLiteral("nodo")], puntero);
    p.Diagrama_MouseDown(cercaDeA);
    // The others typed, as exact coordinates.
    for (size_t i = 1; i < ejemplo::Nodos.size(); ++i) {
        Herramienta(HerrNodo);
        Escribir(FormatoGeneral(ejemplo::Nodos[i].x, Separador::Punto),
            FormatoGeneral(ejemplo::Nodos[i].y, Separador::Punto));
        Control<QPushButton>(QStringLiteral("Aceptar"))->click();
    }
    CapturarTablero(QStringLiteral("nodos"));
}

void Recorrido::DibujarBarras(const std::array<ejemplo::Barra, 9>& barras, bool fotos)
{
    int numero = 0;
    for (const ejemplo::Barra& barra : barras) {
        ++numero;
        Herramienta(HerrBarra);
        Clic(EnNodo(barra.inicio));
        if (fotos && numero == ejemplo::BarraEnDibujo) {
            // Part of the way to its end node, the rubber band and the live length and angle.
            const ejemplo::Punto& a = ejemplo::Nodos[static_cast<size_t>(barra.inicio - 1)];
            const ejemplo::Punto& b = ejemplo::Nodos[static_cast<size_t>(barra.fin - 1)];
            Mover(EnMetros(a.x + 0.6 * (b.x - a.x), a.y + 0.6 * (b.y - a.y)));
            CapturarParte(QStringLiteral("barra"));
        }
        Clic(EnNodo(barra.fin));
    }
    if (fotos)
        CapturarTablero(QStringLiteral("barras"));
}

void Recorrido::ApoyosYCargas(int movil, bool fotos)
{
    Herramienta(HerrApoyos);
    Clic(EnNodo(ejemplo::ApoyoFijo));
    Clic(EnNodo(movil));
    bool primera = fotos;
    for (const ejemplo::Carga& carga : ejemplo::Cargas) {
        Herramienta(HerrCarga);
        Clic(EnNodo(carga.nodo));
        Escribir(QString::fromLatin1(carga.magnitud), QString::fromLatin1(carga.angulo));
        if (primera)
            CapturarParte(QStringLiteral("carga"));
        primera = false;
        Control<QPushButton>(QStringLiteral("Aceptar"))->click();
    }
    if (!fotos)
        return;
    CapturarTablero(QStringLiteral("cercha"));
    const QPoint a = EnVista(RecorteCargas[0], RecorteCargas[3]);
    const QPoint b = EnVista(RecorteCargas[2], RecorteCargas[1]);
    CapturarTablero(QStringLiteral("flechas"), QRect(a, b));
}

void Recorrido::CalcularYResultados()
{
    Control<QToolButton>(QStringLiteral("Calcular"))->click();
    Capturar(QStringLiteral("calculada"), &p);
    CapturarTablero(QStringLiteral("resuelta"));
    // The results window is modal: it is grabbed, used and closed from a timer
    // while the button's click waits for it.
    QTimer sondeo;
    QObject::connect(&sondeo, &QTimer::timeout, [&] {
        auto* ventana = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!ventana)
            return;
        sondeo.stop();
        UsarResultados(*ventana);
        ventana->reject();
    });
    sondeo.start(20);
    Control<QToolButton>(QStringLiteral("Resultados"))->click();
    sondeo.stop();
}

// As it opens, with the grid scrolled to its right end (the reactions and the
// loads), and with a bar picked in its list.
void Recorrido::UsarResultados(QDialog& ventana)
{
    Capturar(QStringLiteral("resultados"), &ventana);
    if (auto* matriz = ventana.findChild<QTableWidget*>()) {
        QScrollBar* barra = matriz->horizontalScrollBar();
        const int antes = barra->value();
        barra->setValue(barra->maximum());
        Capturar(QStringLiteral("resultados_derecha"), &ventana);
        barra->setValue(antes);
    }
    auto* lista = ventana.findChild<QListWidget*>();
    if (lista && lista->count() >= ejemplo::BarraSeleccionada) {
        QListWidgetItem* fila = lista->item(ejemplo::BarraSeleccionada - 1);
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(fila).center());
        CapturarTablero(QStringLiteral("seleccion"));
    }
}

void Recorrido::VentanaAcerca()
{
    Acerca acerca(&p);
    acerca.show();
    Capturar(QStringLiteral("acerca"), &acerca);
}

void Recorrido::Verificar()
{
    if (p.Ver().coordenadas.AnchoDibujo != 8 || p.Ver().coordenadas.AltoDibujo != 4.45)
        Avisar(QStringLiteral("drawing area not 8 x 4.45"));
    if (modulo.NumNodos != static_cast<int16_t>(ejemplo::Nodos.size()))
        Avisar(QStringLiteral("%1 nodes instead of 6").arg(modulo.NumNodos));
    for (int n = 1; n <= modulo.NumNodos && n <= 6; ++n) {
        const NodoRec& nodo = modulo.Nodo(n);
        const ejemplo::Punto& punto = ejemplo::Nodos[static_cast<size_t>(n - 1)];
        if (nodo.X != punto.x || nodo.Y != punto.y)
            Avisar(QStringLiteral("node %1 at (%2, %3)")
                       .arg(n)
                       .arg(FormatoGeneral(nodo.X, Separador::Punto), FormatoGeneral(nodo.Y, Separador::Punto)));
    }
    if (modulo.NumBarras != static_cast<int16_t>(ejemplo::Barras.size()))
        Avisar(QStringLiteral("%1 bars instead of 9").arg(modulo.NumBarras));
    for (int b = 1; b <= modulo.NumBarras && b <= 9; ++b) {
        const double fuerza = -modulo.Barras[static_cast<size_t>(b)].Fuerza;
        if (std::abs(fuerza - FuerzasEsperadas[static_cast<size_t>(b - 1)]) > 0.05)
            Avisar(QStringLiteral("bar %1 shows %2").arg(b).arg(FormatoGeneral(fuerza, Separador::Punto)));
    }
    if (modulo.Resuelto.hay && TextoEcuacion(modulo.Resuelto, FilaNodoDx) != EcuacionNodoDx)
        Avisar(QStringLiteral("row Nod Dx reads '%1'").arg(TextoEcuacion(modulo.Resuelto, FilaNodoDx)));
    for (const char* nombre : { "resultados", "resultados_derecha", "seleccion" })
        if (!resultado.imagenes.contains(QString::fromLatin1(nombre)))
            Avisar(QStringLiteral("no picture '%1'").arg(QString::fromLatin1(nombre)));
}

Capturas Recorrido::Tomar()
{
    p.show();
    Presentacion();
    ColocarNodos();
    DibujarBarras(ejemplo::Barras, true);
    ApoyosYCargas(ejemplo::ApoyoMovil, true);
    CalcularYResultados();
    VentanaAcerca();
    Verificar();
    return resultado;
}

// The example with its diagonal moved, as the guide's chapter 7 describes it:
// Calcular must refuse it. Its board is kept as the picture "mecanismo".
Capturas Recorrido::TomarMecanismo()
{
    p.show();
    ColocarNodos();
    resultado.imagenes.clear();
    DibujarBarras(ejemplo::BarrasMecanismo, false);
    ApoyosYCargas(ejemplo::ApoyoMovilMecanismo, false);
    Control<QToolButton>(QStringLiteral("Calcular"))->click();
    if (p.MensajeActual() != MensajeSingular)
        Avisar(QStringLiteral("the mechanism says '%1'").arg(p.MensajeActual()));
    CapturarTablero(QStringLiteral("mecanismo"));
    return resultado;
}

} // namespace

Capturas TomarCapturas()
{
    Capturas capturas = Recorrido(Principal::Arranque::ConPresentacion).Tomar();
    const Capturas mecanismo = Recorrido(Principal::Arranque::SinPresentacion).TomarMecanismo();
    capturas.imagenes.insert(mecanismo.imagenes);
    capturas.avisos += mecanismo.avisos;
    return capturas;
}

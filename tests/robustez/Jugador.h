#pragma once

#include "robustez/Azar.h"
#include "robustez/Invariantes.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <deque>
#include <functional>

// Plays one random user event at a time on a real main window: pointer moves
// and presses on the board (real mouse events on its viewport, some straight
// to the handlers at exact twips), tool buttons, typing into the data panel,
// Aceptar, Calcular, and now and then a modal window answered from a timer.

struct Recuento {
    long eventos = 0, presiones = 0, herramientas = 0, textos = 0, aceptar = 0, calcular = 0;
    long calculosBien = 0, resultados = 0, nuevosSi = 0, nuevosNo = 0, salirNo = 0, acerca = 0;
    int maxNodos = 0, maxBarras = 0, maxCargas = 0;
};

class Jugador {
public:
    Jugador(Principal& principal, Azar& azar)
        : p(principal)
        , azar(azar)
    {
    }

    // One event; returns what it did, for the replay log.
    QString Evento();

    QString errorModal; // a violation seen while a modal window was open
    Recuento cuenta;

private:
    QString Mover();
    QString Presionar();
    QString ElegirHerramienta();
    QString Escribir();
    QString PulsarAceptar();
    QString PulsarCalcular();
    QString VerResultados();
    QString NuevoProyecto();
    QString SalirNo();
    QString VerAcerca();
    void ArmarTriangulo();

    QPointF PuntoTablero();
    QPointF PuntoSobreNodo(int16_t n, double desvio);
    QPointF PuntoSobreElemento();
    void Raton(QEvent::Type tipo, QPointF twips, Qt::MouseButton boton, Qt::MouseButtons botones, int teclas);
    void Clic(QAbstractButton* boton) { QTest::mouseClick(boton, Qt::LeftButton); }
    void ConModal(const std::function<void()>& abrir, const std::function<void(QWidget*)>& responder);
    void Anotar(const QString& error)
    {
        if (errorModal.isEmpty())
            errorModal = error;
    }

    Principal& p;
    Azar& azar;
    std::deque<std::function<QString()>> pendientes; // steps of a scripted truss
};

inline Qt::KeyboardModifiers Modificadores(int teclas)
{
    Qt::KeyboardModifiers m;
    if (teclas & 1)
        m |= Qt::ShiftModifier;
    if (teclas & 2)
        m |= Qt::ControlModifier;
    if (teclas & 4)
        m |= Qt::AltModifier;
    return m;
}

inline QString Jugador::Evento()
{
    ++cuenta.eventos;
    QString hecho;
    if (!pendientes.empty()) {
        hecho = pendientes.front()();
        pendientes.pop_front();
    } else {
        static const std::vector<int> pesos { 3800, 2500, 1400, 1100, 600, 580, 20, 20, 5, 5 };
        switch (azar.Elegir(pesos)) {
        case 0: hecho = Mover(); break;
        case 1: hecho = Presionar(); break;
        case 2: hecho = ElegirHerramienta(); break;
        case 3: hecho = Escribir(); break;
        case 4: hecho = PulsarAceptar(); break;
        case 5: hecho = PulsarCalcular(); break;
        case 6: hecho = VerResultados(); break;
        case 7: hecho = NuevoProyecto(); break;
        case 8: hecho = SalirNo(); break;
        default: hecho = VerAcerca(); break;
        }
    }
    cuenta.maxNodos = std::max<int>(cuenta.maxNodos, p.modulo.NumNodos);
    cuenta.maxBarras = std::max<int>(cuenta.maxBarras, p.modulo.NumBarras);
    cuenta.maxCargas = std::max<int>(cuenta.maxCargas, p.modulo.NumCargas);
    return hecho;
}

// ------------------------------------------------------------------ points

inline QPointF Jugador::PuntoTablero()
{
    return { azar.Real(0, AnchoTablero), azar.Real(0, AltoTablero) };
}

// Around the node's point: within 70 twips, so some presses fall just outside
// its 120-twip search square.
inline QPointF Jugador::PuntoSobreNodo(int16_t n, double desvio)
{
    const NodoRec& nodo = p.modulo.Nodos[static_cast<size_t>(n)];
    return { p.coordenadas.ATwips(nodo.X, Eje::X) + azar.Real(-desvio, desvio),
        p.coordenadas.ATwips(nodo.Y, Eje::Y) + azar.Real(-desvio, desvio) };
}

// Inside a shown label or support image, or the axes picture.
inline QPointF Jugador::PuntoSobreElemento()
{
    std::vector<QRectF> zonas;
    const auto agregar = [&zonas](const auto& pool) {
        for (const auto& e : pool) {
            if (e && e->EsVisible())
                zonas.emplace_back(e->Left(), e->Top(), e->Width(), e->Height());
        }
    };
    agregar(p.lbNodo);
    agregar(p.lbBarra);
    agregar(p.lbFuerza);
    agregar(p.lbCarga);
    agregar(p.Apoyo);
    zonas.emplace_back(p.Coordenas->Left(), p.Coordenas->Top(), p.Coordenas->Width(), p.Coordenas->Height());
    const QRectF& zona = zonas[static_cast<size_t>(azar.Entero(0, static_cast<int>(zonas.size()) - 1))];
    return { zona.left() + azar.Real(0, 1) * zona.width(), zona.top() + azar.Real(0, 1) * zona.height() };
}

// A real mouse event on the board's viewport; one pixel is 15 twips.
inline void Jugador::Raton(
    QEvent::Type tipo, QPointF twips, Qt::MouseButton boton, Qt::MouseButtons botones, int teclas)
{
    QWidget* vista = p.Diagrama->viewport();
    const QPointF pixel = twips / TwipsPorPixel;
    QMouseEvent evento(tipo, pixel, vista->mapToGlobal(pixel), boton, botones, Modificadores(teclas));
    QApplication::sendEvent(vista, &evento);
}

// ------------------------------------------------------------------ board

inline QString Jugador::Mover()
{
    const bool arrastre = azar.Probable(0.2);
    QPointF punto = PuntoTablero();
    if (p.modulo.NumNodos > 0 && azar.Probable(0.3))
        punto = PuntoSobreNodo(static_cast<int16_t>(azar.Entero(1, p.modulo.NumNodos)), 70);
    else if (azar.Probable(0.15))
        punto = PuntoSobreElemento();
    // While a button is held the board keeps the pointer beyond its edges.
    if (arrastre && azar.Probable(0.3))
        punto = { azar.Real(-3000, 12000), azar.Real(-3000, 9000) };
    const int teclas = azar.Teclas();
    Raton(QEvent::MouseMove, punto, Qt::NoButton, arrastre ? Qt::LeftButton : Qt::NoButton, teclas);
    return QStringLiteral("mover a (%1, %2)%3 teclas %4")
        .arg(punto.x())
        .arg(punto.y())
        .arg(arrastre ? QStringLiteral(" arrastrando") : QString())
        .arg(teclas);
}

inline QString Jugador::Presionar()
{
    ++cuenta.presiones;
    QPointF punto = PuntoTablero();
    // Random point, near a node, on a label or image, on the board's edge;
    // a drawing bar tool aims at nodes more, as its user does.
    const bool barra = p.HerramientaActual == HerrBarra && p.Banderas[1];
    const int donde = barra ? azar.Elegir({ 20, 60, 12, 8 }) : azar.Elegir({ 35, 35, 20, 10 });
    if (donde == 1 && p.modulo.NumNodos > 0)
        punto = PuntoSobreNodo(static_cast<int16_t>(azar.Entero(1, p.modulo.NumNodos)), 70);
    else if (donde == 2)
        punto = PuntoSobreElemento();
    else if (donde == 3)
        punto = { azar.Probable(0.5) ? 0.0 : AnchoTablero - 0.01, azar.Real(0, AltoTablero) };
    const int teclas = azar.Teclas();
    if (azar.Probable(0.1)) {
        const EventoPuntero directo { azar.Entero(0, 7), azar.Entero(0, 7), static_cast<float>(punto.x()),
            static_cast<float>(punto.y()) };
        p.Diagrama_MouseDown(directo);
        return QStringLiteral("Diagrama_MouseDown(%1, %2, %3, %4)")
            .arg(directo.Button)
            .arg(directo.Shift)
            .arg(directo.X)
            .arg(directo.Y);
    }
    // Only where the view can take it: inside the board.
    punto = { std::clamp(punto.x(), 0.0, AnchoTablero - 0.01), std::clamp(punto.y(), 0.0, AltoTablero - 0.01) };
    const Qt::MouseButton boton = azar.Probable(0.8) ? Qt::LeftButton
        : azar.Probable(0.75)                        ? Qt::RightButton
                                                     : Qt::MiddleButton;
    Raton(QEvent::MouseButtonPress, punto, boton, boton, teclas);
    Raton(QEvent::MouseButtonRelease, punto, boton, Qt::NoButton, teclas);
    // A quick second click arrives as a double click.
    const bool doble = azar.UnoEn(20);
    if (doble) {
        Raton(QEvent::MouseButtonDblClick, punto, boton, boton, teclas);
        Raton(QEvent::MouseButtonRelease, punto, boton, Qt::NoButton, teclas);
    }
    return QStringLiteral("presionar%1 en (%2, %3) boton %4 teclas %5")
        .arg(doble ? QStringLiteral(" dos veces") : QString())
        .arg(punto.x())
        .arg(punto.y())
        .arg(boton)
        .arg(teclas);
}

// ------------------------------------------------------------------ panel and buttons

inline QString Jugador::ElegirHerramienta()
{
    ++cuenta.herramientas;
    // Mostly nodes and bars, so the truss grows to the limits between new projects.
    const int codigo = azar.Elegir({ 15, 15, 35, 30, 5 });
    QToolButton* boton = p.Herramienta[static_cast<size_t>(codigo)];
    if (boton->isEnabled() && azar.Probable(0.3)) {
        p.Herramienta_Click(codigo);
        return QStringLiteral("Herramienta_Click(%1)").arg(codigo);
    }
    Clic(boton); // a disabled button takes no click, as for the user
    return QStringLiteral("clic en herramienta %1%2").arg(codigo).arg(boton->isEnabled() ? "" : " (deshabilitada)");
}

// Typed key by key; a character beyond Latin-1 arrives as a key event that
// carries only its text, as from an input method.
inline void Teclear(QLineEdit* cuadro, const QString& texto)
{
    for (QChar c : texto) {
        if (c.unicode() < 0x100)
            QTest::keyClick(cuadro, static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, cuadro, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

inline QString Jugador::Escribir()
{
    ++cuenta.textos;
    QLineEdit* cuadro = azar.Probable(0.5) ? p.Prin : p.Angulo;
    const QString nombre = cuadro == p.Prin ? QStringLiteral("Prin") : QStringLiteral("Angulo");
    if (!cuadro->isEnabled())
        return QStringLiteral("%1 deshabilitado").arg(nombre);
    const QString texto = azar.Texto();
    const int modo = azar.Elegir({ 65, 20, 10, 5 });
    if (modo == 0) {
        QTest::keyClick(cuadro, Qt::Key_A, Qt::ControlModifier);
        Teclear(cuadro, texto);
    } else if (modo == 1) {
        Teclear(cuadro, texto);
    } else if (modo == 2) {
        cuadro->selectAll();
        cuadro->insert(texto); // pasted
    } else {
        QTest::keyClick(cuadro, Qt::Key_Backspace);
    }
    if (azar.UnoEn(8))
        QTest::keyClick(cuadro, Qt::Key_Return); // Enter presses Aceptar
    return QStringLiteral("escribir en %1 (modo %2): \"%3\" -> \"%4\"")
        .arg(nombre)
        .arg(modo)
        .arg(texto, cuadro->text());
}

inline QString Jugador::PulsarAceptar()
{
    ++cuenta.aceptar;
    Clic(p.Aceptar);
    return QStringLiteral("Aceptar%1").arg(p.Aceptar->isEnabled() ? "" : " (deshabilitado)");
}

inline QString Jugador::PulsarCalcular()
{
    ++cuenta.calcular;
    const bool habilitado = p.Calcular->isEnabled();
    Clic(p.Calcular);
    if (habilitado && p.MensajeActual() == QStringLiteral("Cercha calculada satisfactoriamente"))
        ++cuenta.calculosBien;
    return QStringLiteral("Calcular%1: %2").arg(habilitado ? "" : " (deshabilitado)", p.MensajeActual());
}

#pragma once

#include "board/Principal.h"

#include <QGraphicsLineItem>
#include <QToolButton>
#include <cmath>

// What must hold after every user event, whatever the events were: the
// model's tables, counters and supports are consistent and finite, and every
// element shown on the board stands for something that exists and sits at a
// finite position. Returns the first violation found, or an empty text.

namespace invariantes {

inline QString Fallo(const char* formato, long a = 0, long b = 0)
{
    return QString::asprintf(formato, a, b);
}

inline bool Finito(double v)
{
    return std::isfinite(v);
}

inline bool PosicionFinita(const QGraphicsItem* item)
{
    return Finito(item->pos().x()) && Finito(item->pos().y()) && Finito(item->sceneBoundingRect().width());
}

inline bool NodoExiste(const Modulo& m, long n)
{
    return n >= 1 && n <= m.NumNodos;
}

inline QString Contadores(const Modulo& m)
{
    if (m.NumNodos < 0 || m.NumNodos > MaxNodos)
        return Fallo("NumNodos = %ld fuera de 0..20", m.NumNodos);
    if (m.NumBarras < 0 || m.NumBarras > MaxBarras)
        return Fallo("NumBarras = %ld fuera de 0..20", m.NumBarras);
    if (m.NumCargas < 0 || m.NumCargas > MaxCargas)
        return Fallo("NumCargas = %ld fuera de 0..10", m.NumCargas);
    if (static_cast<long>(m.Nodos.size()) <= m.NumNodos || static_cast<long>(m.Barras.size()) <= m.NumBarras)
        return Fallo("las tablas no llegan a NumNodos %ld / NumBarras %ld", m.NumNodos, m.NumBarras);
    return {};
}

// Only the last bar may be open, and only while the bar tool is drawing it.
inline QString Barras(const Principal& p)
{
    const Modulo& m = p.modulo;
    const bool dibujando = p.HerramientaActual == HerrBarra && p.Banderas[1] && !p.Banderas[2];
    for (long b = 1; b <= m.NumBarras; ++b) {
        const BarraRec& barra = m.Barras[static_cast<size_t>(b)];
        if (!NodoExiste(m, barra.NodoInicial))
            return Fallo("la barra %ld empieza en el nodo %ld, que no existe", b, barra.NodoInicial);
        if (barra.NodoFinal == 0 && !(b == m.NumBarras && dibujando))
            return Fallo("la barra %ld quedó abierta (de %ld barras) sin dibujarse", b, m.NumBarras);
        if (barra.NodoFinal != 0 && !NodoExiste(m, barra.NodoFinal))
            return Fallo("la barra %ld termina en el nodo %ld, que no existe", b, barra.NodoFinal);
        if (!Finito(barra.Angulo) || !Finito(barra.Longitud) || !Finito(barra.Fuerza))
            return Fallo("la barra %ld tiene un número no finito", b);
    }
    return {};
}

inline QString NodosYApoyos(const Modulo& m)
{
    for (long n = 1; n <= m.NumNodos; ++n) {
        const NodoRec& nodo = m.Nodos[static_cast<size_t>(n)];
        if (!Finito(nodo.X) || !Finito(nodo.Y) || !Finito(nodo.Fx) || !Finito(nodo.Fy))
            return Fallo("el nodo %ld tiene un número no finito", n);
    }
    for (long i = 1; i <= 2; ++i) {
        const long a = m.Apoyos[static_cast<size_t>(i)];
        if (a != 0 && !NodoExiste(m, a))
            return Fallo("Apoyos(%ld) = %ld no es un nodo", i, a);
    }
    return {};
}

inline QString MatrizFinita(const Matriz& matriz, const char* nombre)
{
    for (size_t i = 1; i <= FilasMatriz; ++i) {
        for (size_t j = 1; j <= ColumnasMatriz; ++j) {
            if (!Finito(matriz[i][j]))
                return QStringLiteral("%1(%2, %3) no es finito").arg(QLatin1String(nombre)).arg(i).arg(j);
        }
    }
    return {};
}

inline QString Matrices(const Modulo& m)
{
    QString error = MatrizFinita(m.MatrizCalculo, "MatrizCalculo");
    if (error.isEmpty())
        error = MatrizFinita(m.MatrizInicial, "MatrizInicial");
    if (error.isEmpty() && m.Resuelto.hay)
        error = MatrizFinita(m.Resuelto.MatrizInicial, "Resuelto.MatrizInicial");
    if (!error.isEmpty() || !m.Resuelto.hay)
        return error;
    for (double r : m.Resuelto.Reacciones) {
        if (!Finito(r))
            return QStringLiteral("una reacción guardada no es finita");
    }
    return {};
}

// Shown elements of one pool: each index in 1..existentes, at a finite place,
// and every index up to existentes shown.
template <typename Pool> QString Pool_(const Pool& pool, long existentes, const char* nombre, bool todosMostrados)
{
    for (long i = 0; i < static_cast<long>(pool.size()); ++i) {
        if (!pool[static_cast<size_t>(i)])
            continue;
        const bool visible = pool[static_cast<size_t>(i)]->EsVisible();
        if (visible && (i < 1 || i > existentes))
            return QStringLiteral("%1(%2) se muestra y solo hay %3").arg(QLatin1String(nombre)).arg(i).arg(existentes);
        if (visible && !PosicionFinita(pool[static_cast<size_t>(i)]->item))
            return QStringLiteral("%1(%2) está en una posición no finita").arg(QLatin1String(nombre)).arg(i);
        if (todosMostrados && i >= 1 && i <= existentes && !visible)
            return QStringLiteral("%1(%2) no se muestra y existe").arg(QLatin1String(nombre)).arg(i);
    }
    return {};
}

inline QString LineasFinitas(const Principal& p)
{
    for (size_t b = 1; b <= MaxBarras; ++b) {
        const Linea& l = *p.Barra[b];
        if (l.EsVisible() && !(Finito(l.X1) && Finito(l.Y1) && Finito(l.X2) && Finito(l.Y2)))
            return Fallo("la línea de la barra %ld tiene un extremo no finito", static_cast<long>(b));
    }
    for (size_t k = 1; k <= MaxCargas; ++k) {
        const Linea& l = *p.Fuerza[k];
        if (l.EsVisible() && !(Finito(l.X1) && Finito(l.Y1) && Finito(l.X2) && Finito(l.Y2)))
            return Fallo("la línea de la carga %ld tiene un extremo no finito", static_cast<long>(k));
    }
    return {};
}

// A bar's number is shown only once the bar is finished.
inline QString NumerosDeBarra(const Principal& p)
{
    for (long b = 1; b <= p.modulo.NumBarras; ++b) {
        if (p.lbBarra[static_cast<size_t>(b)]->EsVisible() && p.modulo.Barras[static_cast<size_t>(b)].NodoFinal == 0)
            return Fallo("el número de la barra abierta %ld se muestra", b);
    }
    return {};
}

inline QString Tablero_(const Principal& p)
{
    const Modulo& m = p.modulo;
    QString error;
    const auto primero = [&error](const QString& otro) {
        if (error.isEmpty())
            error = otro;
    };
    primero(Pool_(p.Nodo, m.NumNodos, "Nodo", true));
    primero(Pool_(p.lbNodo, m.NumNodos, "lbNodo", true));
    primero(Pool_(p.Barra, m.NumBarras, "Barra", true));
    primero(Pool_(p.lbBarra, m.NumBarras, "lbBarra", false));
    primero(Pool_(p.lbFuerza, m.NumBarras, "lbFuerza", false));
    primero(Pool_(p.Fuerza, m.NumCargas, "Fuerza", true));
    primero(Pool_(p.lbCarga, m.NumCargas, "lbCarga", true));
    primero(LineasFinitas(p));
    primero(NumerosDeBarra(p));
    for (long i = 0; i <= 1; ++i) {
        const Imagen& apoyo = *p.Apoyo[static_cast<size_t>(i)];
        const long nodo = m.Apoyos[static_cast<size_t>(i + 1)];
        if (apoyo.EsVisible() != (nodo != 0))
            primero(Fallo("Apoyo(%ld) visible no corresponde a Apoyos(%ld)", i, i + 1));
        if (apoyo.EsVisible() && !PosicionFinita(apoyo.item))
            primero(Fallo("Apoyo(%ld) está en una posición no finita", i));
    }
    return error;
}

// The enabling rules of the buttons, as the tools leave them.
inline QString Botones(const Principal& p)
{
    const Modulo& m = p.modulo;
    if (p.Calcular->isEnabled() != (m.Apoyos[2] != 0))
        return Fallo("Calcular habilitado = %ld con apoyo móvil en %ld", p.Calcular->isEnabled(), m.Apoyos[2]);
    if (p.Resultados->isEnabled() && !m.Resuelto.hay)
        return QStringLiteral("Resultados habilitado sin cálculo guardado");
    if (p.Herramienta[HerrArea]->isEnabled() && (m.NumNodos > 0 || m.NumBarras > 0))
        return Fallo("la herramienta de área sigue habilitada con %ld nodos", m.NumNodos);
    for (int h : { HerrApoyos, HerrCarga, HerrBarra }) {
        if (p.Herramienta[static_cast<size_t>(h)]->isEnabled() && m.NumNodos == 0)
            return Fallo("la herramienta %ld está habilitada sin nodos", h);
    }
    if (p.HerramientaActual < 0 || p.HerramientaActual > HerrNuevo)
        return Fallo("HerramientaActual = %ld", p.HerramientaActual);
    return {};
}

inline QString Dibujo(const Principal& p)
{
    const Coordenadas& c = p.coordenadas;
    if (c.AnchoDibujo < 1 || !(c.AltoDibujo > 0) || !Finito(c.AltoDibujo))
        return QStringLiteral("tamaño de dibujo inválido: %1 x %2").arg(c.AnchoDibujo).arg(c.AltoDibujo);
    return {};
}

inline QString Comprobar(const Principal& p)
{
    for (const QString& error : { Contadores(p.modulo) }) {
        if (!error.isEmpty())
            return error; // the rest would index past the tables
    }
    for (const QString& error :
        { Barras(p), NodosYApoyos(p.modulo), Matrices(p.modulo), Tablero_(p), Botones(p), Dibujo(p) }) {
        if (!error.isEmpty())
            return error;
    }
    return {};
}

} // namespace invariantes

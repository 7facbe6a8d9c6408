#pragma once

#include "ControlesPrueba.h"

#include <QLocale>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <type_traits>

// What must hold after any user events: the model consistent and finite, the
// board showing only what exists at finite places, buttons enabled as the tools
// leave them, the board read aloud naming its nodes, numbers written with their
// place's separator. Each check returns the first violation, or an empty text.

namespace invariantes {

template <typename R> bool Finitos(const R& valores)
{
    return std::all_of(std::begin(valores), std::end(valores), [](double v) { return std::isfinite(v); });
}
inline bool Finitos(std::initializer_list<double> valores)
{
    return Finitos<decltype(valores)>(valores);
}

inline QString Modelo(const Principal& p)
{
    const Modulo& m = C(p).modulo;
    if (m.NumNodos < 0 || m.NumNodos > MaxNodos || m.NumBarras < 0 || m.NumBarras > MaxBarras || m.NumCargas < 0
        || m.NumCargas > MaxCargas || long(m.Nodos.size()) <= m.NumNodos || long(m.Barras.size()) <= m.NumBarras)
        return QString::asprintf("contadores fuera de 20/20/10 o de sus tablas: %d nodos, %d barras, %d cargas",
            m.NumNodos, m.NumBarras, m.NumCargas); // the rest would index past the tables
    const auto existe = [&m](int n) { return n >= 1 && n <= m.NumNodos; };
    // Only the last bar may be open, and only while the bar tool is drawing it.
    const bool dibujando = C(p).HerramientaActual == HerrBarra && C(p).Banderas[Bandera::Armada]
        && !C(p).Banderas[Bandera::EsperaInicio];
    for (int b = 1; b <= m.NumBarras; ++b) {
        const BarraRec& barra = m.Barra(b);
        if (!existe(barra.NodoInicial) || (barra.NodoFinal != 0 && !existe(barra.NodoFinal)))
            return QString::asprintf("la barra %d va del nodo %d a uno que no existe", b, barra.NodoInicial);
        if (barra.NodoFinal == 0 && !(b == m.NumBarras && dibujando))
            return QString::asprintf("la barra %d quedó abierta (de %d barras) sin dibujarse", b, m.NumBarras);
        if (!Finitos({ barra.Angulo, barra.Longitud, barra.Fuerza }))
            return QString::asprintf("la barra %d tiene un número no finito", b);
    }
    for (int n = 1; n <= m.NumNodos; ++n) {
        const NodoRec& nodo = m.Nodo(n);
        if (!Finitos({ nodo.X, nodo.Y, nodo.Fx, nodo.Fy }))
            return QString::asprintf("el nodo %d tiene un número no finito", n);
    }
    for (int i = 1; i <= 2; ++i) {
        if (const int a = m.Apoyos[size_t(i)]; a != 0 && !existe(a))
            return QString::asprintf("Apoyos(%d) = %d no es un nodo", i, a);
    }
    for (const Matriz* matriz : { &m.MatrizCalculo, &m.MatrizInicial, &m.Resuelto.MatrizInicial }) {
        if (!std::all_of(matriz->begin(), matriz->end(), [](const auto& fila) { return Finitos(fila); }))
            return QStringLiteral("una matriz del cálculo tiene un número no finito");
    }
    if (!Finitos(m.Resuelto.Reacciones))
        return QStringLiteral("una reacción guardada no es finita");
    return {};
}

template <typename E> bool EnSitioFinito(const E& e)
{
    const QRectF r = e.item->sceneBoundingRect();
    if constexpr (std::is_same_v<E, Linea>) {
        if (!Finitos({ e.X1, e.Y1, e.X2, e.Y2 }))
            return false;
    }
    return Finitos({ e.item->pos().x(), e.item->pos().y(), r.width(), r.height() });
}

// Shown elements of one pool: only indexes 1..existentes, at a finite place;
// with `todos`, every one of them shown.
template <typename Pool> QString Mostrados(const Pool& pool, int existentes, const char* nombre, bool todos)
{
    for (int i = 0; i < int(pool.size()); ++i) {
        if (!pool[size_t(i)])
            continue;
        const bool visible = pool[size_t(i)]->EsVisible();
        const bool existe = i >= 1 && i <= existentes;
        if ((visible && (!existe || !EnSitioFinito(*pool[size_t(i)]))) || (todos && existe && !visible))
            return QString::asprintf(
                "%s(%d) visible = %d con %d existentes, o en sitio no finito", nombre, i, visible, existentes);
    }
    return {};
}

inline QString Tablero_(const Principal& p)
{
    const Modulo& m = C(p).modulo;
    for (const QString& error :
        { Mostrados(C(p).Nodo, m.NumNodos, "Nodo", true), Mostrados(C(p).lbNodo, m.NumNodos, "lbNodo", true),
            Mostrados(C(p).Barra, m.NumBarras, "Barra", true), Mostrados(C(p).lbBarra, m.NumBarras, "lbBarra", false),
            Mostrados(C(p).lbFuerza, m.NumBarras, "lbFuerza", false),
            Mostrados(C(p).Fuerza, m.NumCargas, "Fuerza", true),
            Mostrados(C(p).lbCarga, m.NumCargas, "lbCarga", true) }) {
        if (!error.isEmpty())
            return error;
    }
    // A bar's number is shown only once the bar is finished.
    for (int b = 1; b <= m.NumBarras; ++b) {
        if (C(p).lbBarra[b]->EsVisible() && m.Barra(b).NodoFinal == 0)
            return QString::asprintf("el número de la barra abierta %d se muestra", b);
    }
    for (int i = 0; i <= 1; ++i) {
        const Imagen& apoyo = *C(p).Apoyo[i];
        if (apoyo.EsVisible() != (m.Apoyos[size_t(i + 1)] != 0) || (apoyo.EsVisible() && !EnSitioFinito(apoyo)))
            return QString::asprintf(
                "Apoyo(%d) visible no corresponde a Apoyos(%d) o no está en un sitio finito", i, i + 1);
    }
    return {};
}

// The enabling rules of the buttons and the drawing size, as the tools leave them.
inline QString Botones(const Principal& p)
{
    const Modulo& m = C(p).modulo;
    const Coordenadas& c = C(p).coordenadas;
    if (C(p).Calcular->isEnabled() != (m.Apoyos[2] != 0))
        return QString::asprintf(
            "Calcular habilitado = %d con apoyo móvil en %d", int(C(p).Calcular->isEnabled()), m.Apoyos[2]);
    if (C(p).Resultados->isEnabled() && !m.Resuelto.hay)
        return QStringLiteral("Resultados habilitado sin cálculo guardado");
    if (C(p).Herramienta[HerrArea]->isEnabled() && (m.NumNodos > 0 || m.NumBarras > 0))
        return QString::asprintf("la herramienta de área sigue habilitada con %d nodos", m.NumNodos);
    for (int h : { HerrApoyos, HerrCarga, HerrBarra }) {
        if (C(p).Herramienta[size_t(h)]->isEnabled() && m.NumNodos == 0)
            return QString::asprintf("la herramienta %d está habilitada sin nodos", h);
    }
    if (c.AnchoDibujo < 1 || !(c.AltoDibujo > 0) || !std::isfinite(c.AltoDibujo))
        return QStringLiteral("tamaño de dibujo inválido: %1 x %2").arg(c.AnchoDibujo).arg(c.AltoDibujo);
    return {};
}

// The board's accessible description names every node there is and no
// other: each "Nodo X" and "el nodo X" is followed by a letter of a node.
inline QString Descripcion(const Principal& p)
{
    const QString texto = C(p).Diagrama->accessibleDescription();
    const int cuantos = C(p).modulo.NumNodos;
    const auto en = [&texto](qsizetype i) { return i < texto.size() ? texto[i] : QChar(); };
    std::uint32_t nombrados = 0;
    for (qsizetype i = texto.indexOf(u"odo "); i >= 0; i = texto.indexOf(u"odo ", i + 1)) {
        const int n = en(i + 4).unicode() - u'A' + 1;
        if (n < 1 || n > cuantos || en(i + 5).isLetterOrNumber())
            return QStringLiteral("la descripción del tablero nombra un nodo que no existe: ") + texto;
        nombrados |= 1u << n;
    }
    return nombrados == (1u << (cuantos + 1)) - 2
        ? QString()
        : QStringLiteral("la descripción del tablero no nombra los %1 nodos: %2").arg(cuantos).arg(texto);
}

// A displayed number uses the regional decimal separator, never the other one;
// `decimales` when its pattern always has decimals.
inline QString Regional(const QString& texto, bool decimales)
{
    const QString regional = QLocale().decimalPoint();
    const QChar otro = regional == QStringLiteral(",") ? u'.' : u',';
    return texto.contains(otro) || (decimales && !texto.contains(regional))
        ? QStringLiteral("«%1» no usa el separador decimal regional %2").arg(texto, regional)
        : QString();
}

// Force and load labels are only shown, so regional; the data panel is read
// back as numbers and gets "." only: a comma there is one the user typed.
inline QString Separadores(const Principal& p, const std::array<QString, 2>& tecleados)
{
    for (const auto* pool : { &C(p).lbFuerza, &C(p).lbCarga }) {
        for (const auto& etiqueta : *pool) {
            const QString error
                = etiqueta && etiqueta->EsVisible() ? Regional(etiqueta->TextoActual(), false) : QString();
            if (!error.isEmpty())
                return error;
        }
    }
    for (size_t i = 0; i < 2; ++i) {
        const QString texto = (i == 0 ? C(p).Prin : C(p).Angulo)->text();
        if (texto.contains(u',') && texto != tecleados[i])
            return QStringLiteral("el panel muestra «%1», con una coma que nadie escribió").arg(texto);
    }
    return {};
}

inline QString Comprobar(const Principal& p, const std::array<QString, 2>& tecleados)
{
    QString error = Modelo(p); // first: the rest would index past the tables
    for (auto* comprobar : { Tablero_, Botones, Descripcion })
        error = error.isEmpty() ? comprobar(p) : error;
    return error.isEmpty() ? Separadores(p, tecleados) : error;
}

} // namespace invariantes

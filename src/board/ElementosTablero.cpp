#include "board/ElementosTablero.h"

#include "board/Colores.h"
#include "board/Dibujos.h"
#include "solver/Mecanismo.h"

#include <QFont>
#include <QGraphicsScene>

namespace {

QFont FuenteTwips(const QFont& base, double puntos)
{
    // One point is 20 twips: the board scene is in twips.
    QFont fuente = base;
    fuente.setPixelSize(qRound(puntos * 20));
    return fuente;
}

QFont Arial(double puntos)
{
    QFont arial(QStringLiteral("Arial"));
    return FuenteTwips(arial, puntos);
}

constexpr double DiametroResalte = 210; // 14 pixels: around the 8-pixel dot, under its letter

QGraphicsEllipseItem* CrearResalte(QGraphicsScene& escena)
{
    QPen pluma(ColorResalte, 3);
    pluma.setCosmetic(true);
    QGraphicsEllipseItem* anillo = escena.addEllipse(QRectF(), pluma);
    anillo->setAcceptedMouseButtons(Qt::NoButton);
    anillo->setVisible(false);
    return anillo;
}

double PuntosFuente(const QFont& fuente)
{
    return fuente.pointSizeF() > 0 ? fuente.pointSizeF() : fuente.pixelSize() * 0.75;
}

} // namespace

ElementosTablero::ElementosTablero(QGraphicsScene& escena, const QFont& fuenteVentana)
    : Resalte(CrearResalte(escena))
{
    Coordenas = std::make_unique<Imagen>(escena, DibujoEjes(), 615, 660);
    Coordenas->Mover(120, 5250);
    Coordenas->Visible(true);

    const QFont fuente = FuenteTwips(fuenteVentana, PuntosFuente(fuenteVentana));
    Apoyo[0] = std::make_unique<Imagen>(escena, DibujoApoyoFijo(), 480, 480);
    Apoyo[1] = std::make_unique<Imagen>(escena, DibujoApoyoMovil(), 480, 480);
    for (int i = 0; i <= MaxNodos; ++i) {
        if (i > 0)
            Nodo[i] = std::make_unique<Punto>(escena, ColorNodo, 120);
        lbNodo[i] = std::make_unique<Etiqueta>(escena, ColorNodo, fuente, true);
        Marca[i] = std::make_unique<MarcaNodo>(escena);
    }
    for (int i = 0; i <= MaxBarras; ++i) {
        if (i > 0)
            Barra[i] = std::make_unique<Linea>(escena, ColorBarra, 5);
        lbBarra[i] = std::make_unique<Etiqueta>(escena, Qt::black, fuente, true);
        lbFuerza[i] = std::make_unique<Etiqueta>(escena, Qt::black, Arial(6), true);
    }
    for (int i = 0; i <= MaxCargas; ++i)
        Fuerza[i] = std::make_unique<Linea>(escena, ColorLineaCarga, 5, Linea::Punta::Inicio);
    for (int i = 0; i <= 2 * MaxCargas; ++i)
        lbCarga[i] = std::make_unique<Etiqueta>(escena, ColorTextoCarga, Arial(6.75), false);
}

void ElementosTablero::Formatear()
{
    for (int i = 0; i <= MaxCargas; ++i)
        Fuerza[i]->Color(ColorLineaCarga);
    for (int i = 1; i <= MaxBarras; ++i)
        Barra[i]->Color(ColorBarra);
}

// Nothing is drawn on the board outside the pools, so hiding them clears it.
void ElementosTablero::Ocultar()
{
    for (int i = 1; i <= MaxNodos; ++i) {
        lbNodo[i]->Visible(false);
        lbBarra[i]->Visible(false);
        lbFuerza[i]->Visible(false);
        Barra[i]->Visible(false);
        Barra[i]->Color(ColorBarra);
        Nodo[i]->Visible(false);
    }
    for (const auto& apoyo : Apoyo)
        apoyo->Visible(false);
    OcultarMarcas();
    ResaltarNodo(0);
    for (int k = 1; k <= MaxCargas; ++k)
        Fuerza[k]->Visible(false);
    // Every magnitude label, also those past the ten load lines.
    for (int k = 1; k <= 2 * MaxCargas; ++k)
        lbCarga[k]->Visible(false);
}

// The topmost element under the point decides. Shown labels are each brought
// to the front and supports sent to the back, so the stacking values tell
// which lies on top. The search past the loads runs only while the pointer is
// over a load label or the axes picture.
bool ElementosTablero::Absorbe(float x, float y, const Modulo& modulo) const
{
    const QGraphicsItem* arriba = nullptr;
    const auto absorbe = [&](const auto& elemento) {
        if (elemento.Contiene(x, y) && (!arriba || elemento.item->zValue() > arriba->zValue()))
            arriba = elemento.item;
    };
    absorbe(*Coordenas);
    for (int k = 1; k <= modulo.NumCargas; ++k)
        absorbe(*lbCarga[k]);
    if (!arriba)
        return false;
    const auto encima
        = [&](const auto& elemento) { return elemento.Contiene(x, y) && elemento.item->zValue() > arriba->zValue(); };
    for (int n = 1; n <= modulo.NumNodos; ++n) {
        if (encima(*lbNodo[n]))
            return false;
    }
    for (int b = 1; b <= modulo.NumBarras; ++b) {
        if (encima(*lbBarra[b]) || encima(*lbFuerza[b]))
            return false;
    }
    return !encima(*Apoyo[0]) && !encima(*Apoyo[1]);
}

void ElementosTablero::Marcar(const Mecanismo& mecanismo, int nodos)
{
    OcultarMarcas();
    for (int k = 1; k <= nodos; ++k) {
        const MovimientoNodo& movimiento = mecanismo.nodos[k];
        if (!movimiento.marcado)
            continue;
        const QGraphicsEllipseItem& punto = *Nodo[k]->item;
        MarcaNodo& marca = *Marca[k];
        marca.Mostrar(punto.mapToScene(punto.rect().center()), movimiento.dx, movimiento.dy);
        apilamiento.AlFrente(marca.anillo);
        apilamiento.AlFrente(marca.trazo);
        apilamiento.AlFrente(marca.destino);
        hayMarcas = true;
    }
}

void ElementosTablero::OcultarMarcas()
{
    if (!hayMarcas)
        return;
    for (int k = 1; k <= MaxNodos; ++k)
        Marca[k]->Ocultar();
    hayMarcas = false;
}

void ElementosTablero::ResaltarNodo(int n)
{
    if (n == 0) {
        Resalte->setVisible(false);
        return;
    }
    const QGraphicsEllipseItem& punto = *Nodo[n]->item;
    const QPointF centro = punto.mapToScene(punto.rect().center());
    const QPointF radio(DiametroResalte / 2, DiametroResalte / 2);
    Resalte->setRect(QRectF(centro - radio, centro + radio));
    Resalte->setVisible(true);
    apilamiento.AlFrente(Resalte);
}

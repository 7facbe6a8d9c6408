// Bars on the board: IniciarBarra opens one at a node, MedirBarra writes the
// live length and angle of the last bar into the data panel.

#include "board/ElementosTablero.h"
#include "board/MedidaBarra.h"
#include "board/PanelDatos.h"
#include "board/Principal.h"
#include "model/Numeros.h"

#include <QLineEdit>
#include <QToolButton>

void Principal::IniciarBarra(int16_t nodo)
{
    // The caller refuses a bar beyond the pool; this keeps the pool safe anyway.
    if (!modulo.CabeBarra() || nodo < 1 || nodo > modulo.NumNodos)
        return;
    const int16_t b = modulo.NumBarras + 1;
    const NodoRec& origen = modulo.Nodo(nodo);
    Linea& linea = *elementos->Barra[b];
    linea.FijarInicio(static_cast<float>(coordenadas.ATwips(origen.X, Eje::X)),
        static_cast<float>(coordenadas.ATwips(origen.Y, Eje::Y)));
    linea.Visible(true);
    Herramienta[HerrArea]->setEnabled(false);
    modulo.AgregarBarraRec(nodo);
}

void Principal::MedirBarra()
{
    const int16_t b = modulo.NumBarras;
    if (b < 1)
        return;
    const BarraRec& barra = modulo.Barra(b);
    const Linea& linea = *elementos->Barra[b];
    const float x1 = static_cast<float>(coordenadas.AMetros(linea.X1, Eje::X));
    const float x2 = static_cast<float>(coordenadas.AMetros(linea.X2, Eje::X));
    const double y1 = coordenadas.AMetros(linea.Y1, Eje::Y);
    const double y2 = coordenadas.AMetros(linea.Y2, Eje::Y);

    // A closed bar takes its direction from its nodes, its length from its line.
    float xInicio = x1, yInicio = static_cast<float>(y1), xFin = x2, yFin = static_cast<float>(y2);
    if (barra.NodoFinal != 0) {
        const NodoRec& origen = modulo.Nodo(barra.NodoInicial);
        const NodoRec& fin = modulo.Nodo(barra.NodoFinal);
        xInicio = static_cast<float>(origen.X);
        yInicio = static_cast<float>(origen.Y);
        xFin = static_cast<float>(fin.X);
        yFin = static_cast<float>(fin.Y);
    }
    const double longitud = LongitudMostrada(x1, x2, y1, y2, coordenadas.AMetrosSimple(Eje::Y));
    datos->Prin().setText(FormatoGeneral(longitud, Separador::Punto));
    datos->Angulo().setText(FormatoGeneral(AnguloMostrado(xInicio, yInicio, xFin, yFin), Separador::Punto));
}

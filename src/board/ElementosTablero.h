#pragma once

#include "board/Elementos.h"
#include "board/MarcaNodo.h"
#include "model/Modulo.h"

#include <memory>

class QFont;
struct Mecanismo;
class QGraphicsScene;

// The board's pools of elements, addressed by the number of what they show:
// created once with the board, then only moved, captioned, shown and hidden.
class ElementosTablero {
public:
    // `fuenteVentana` is the window's font; node and bar numbers use it.
    ElementosTablero(QGraphicsScene& escena, const QFont& fuenteVentana);

    Tabla<std::unique_ptr<Punto>, MaxNodos + 1> Nodo;      // 1..MaxNodos
    Tabla<std::unique_ptr<Etiqueta>, MaxNodos + 1> lbNodo;
    Tabla<std::unique_ptr<Linea>, MaxBarras + 1> Barra;    // 1..MaxBarras
    Tabla<std::unique_ptr<Etiqueta>, MaxBarras + 1> lbBarra;
    Tabla<std::unique_ptr<Etiqueta>, MaxBarras + 1> lbFuerza;
    Tabla<std::unique_ptr<Linea>, MaxCargas + 1> Fuerza;
    Tabla<std::unique_ptr<Etiqueta>, 2 * MaxCargas + 1> lbCarga;
    Tabla<std::unique_ptr<Imagen>, 2> Apoyo;               // 0 fixed, 1 roller
    std::unique_ptr<Imagen> Coordenas;                     // the axes picture
    Tabla<std::unique_ptr<MarcaNodo>, MaxNodos + 1> Marca; // 1..MaxNodos: a mechanism's nodes
    Apilamiento apilamiento;

    // Lines at their widths and colours.
    void Formatear();
    // Everything hidden but the axes: the board of a new project.
    void Ocultar();
    // The marks of a mechanism: each marked node of the first `nodos` ringed at
    // its dot, with its motion sketched; the others hidden.
    void Marcar(const Mecanismo& mecanismo, int nodos);
    void OcultarMarcas();
    // Whether a load label or the axes picture lies under a board point; they
    // take pointer events and hand nothing on. Looks at the first `cargas` labels.
    bool Absorbe(float x, float y, int cargas) const;

private:
    bool hayMarcas = false; // so that a press with no marks on the board hides nothing
};

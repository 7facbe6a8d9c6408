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

    Tabla<std::unique_ptr<Punto>, MaxNodos + 1> Nodo; // 1..MaxNodos
    Tabla<std::unique_ptr<Etiqueta>, MaxNodos + 1> lbNodo;
    Tabla<std::unique_ptr<Linea>, MaxBarras + 1> Barra; // 1..MaxBarras
    Tabla<std::unique_ptr<Etiqueta>, MaxBarras + 1> lbBarra;
    Tabla<std::unique_ptr<Etiqueta>, MaxBarras + 1> lbFuerza;
    Tabla<std::unique_ptr<Linea>, MaxCargas + 1> Fuerza;
    Tabla<std::unique_ptr<Etiqueta>, 2 * MaxCargas + 1> lbCarga;
    Tabla<std::unique_ptr<Imagen>, 2> Apoyo; // 0 fixed, 1 roller
    std::unique_ptr<Imagen> Coordenas; // the axes picture
    Tabla<std::unique_ptr<MarcaNodo>, MaxNodos + 1> Marca; // 1..MaxNodos: a mechanism's nodes
    QGraphicsEllipseItem* Resalte; // a ring around the node the load tool picked
    Apilamiento apilamiento;

    // Lines at their widths and colours.
    void Formatear();
    // Everything hidden but the axes: the board of a new project.
    void Ocultar();
    // Whether the topmost element under a board point is a load label or the
    // axes picture: those take pointer events and hand nothing on; a node
    // letter, bar number, force label or support image on top lets the board
    // see the event. Looks at the elements `modulo` shows.
    bool Absorbe(float x, float y, const Modulo& modulo) const;
    // The marks of a mechanism: each marked node of the first `nodos` ringed at
    // its dot, with its motion sketched; the others hidden.
    void Marcar(const Mecanismo& mecanismo, int nodos);
    void OcultarMarcas();
    // Node n ringed by `Resalte`; 0 hides the ring.
    void ResaltarNodo(int n);

private:
    bool hayMarcas = false; // so that a press with no marks on the board hides nothing
};

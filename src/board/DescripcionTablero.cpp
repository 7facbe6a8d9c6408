// The board read aloud: after every handler that can change the truss, the
// board's accessible description is written anew from the model and the
// force labels on show. Pointer moves change nothing in it and never come here.

#include "board/ElementosTablero.h"
#include "board/Principal.h"
#include "board/Tablero.h"
#include "model/DescripcionCercha.h"

void Principal::DescribirTablero()
{
    // A calculation labels bars 1..NumBarras; bars drawn after it have none.
    int conFuerza = 0;
    while (conFuerza < modulo.NumBarras && elementos->lbFuerza[conFuerza + 1]->EsVisible())
        ++conFuerza;
    Diagrama->Describir(DescribirCercha(modulo, Diagrama->toolTip(), conFuerza));
}

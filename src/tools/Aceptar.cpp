// The data panel's Aceptar: commits what the panel holds for the current tool.

#include "board/Principal.h"

void Principal::Aceptar_Click()
{
    Mensaje(QString());
    switch (HerramientaActual) {
    case HerrCarga: AceptarCarga(); break;
    case HerrNodo: AceptarNodo(); break;
    case HerrBarra: AceptarBarra(); break;
    case HerrArea: AceptarArea(); break;
    default: break;
    }
}

void Principal::AceptarArea() {}

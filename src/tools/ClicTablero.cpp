// A press on the board: the common start, then the step of the armed tool.

#include "board/Principal.h"

void Principal::Diagrama_MouseDown(const EventoPuntero& evento)
{
    Mensaje(QString());
    if (!Banderas[1])
        return;
    switch (HerramientaActual) {
    case HerrApoyos: ClicApoyo(evento); break;
    case HerrCarga: ClicCarga(evento); break;
    case HerrNodo: ClicNodo(evento); break;
    case HerrBarra: ClicBarra(evento); break;
    default: break;
    }
}

void Principal::ClicApoyo(const EventoPuntero&) {}
void Principal::ClicCarga(const EventoPuntero&) {}

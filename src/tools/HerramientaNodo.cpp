#include "board/Principal.h"

void Principal::ClicNodo(const EventoPuntero&) {}
void Principal::MoverNodo(const EventoPuntero&) {}
void Principal::AceptarNodo() {}

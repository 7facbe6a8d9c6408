#include "board/Principal.h"

void Principal::ClicBarra(const EventoPuntero&) {}
void Principal::MoverBarra(const EventoPuntero&) {}
void Principal::AceptarBarra() {}
void Principal::DescartarBarraAbierta() {}

#include "board/Principal.h"

void Principal::IniciarBarra(int16_t) {}
void Principal::MedirBarra() {}

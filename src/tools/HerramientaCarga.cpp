#include "board/Principal.h"

void Principal::AceptarCarga() {}

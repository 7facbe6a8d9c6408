#include "board/Principal.h"

void Principal::Calcular_Click() {}
void Principal::MostrarFuerzas() {}
void Principal::ColorearBarras() {}

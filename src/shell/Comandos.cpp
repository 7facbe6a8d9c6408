#include "board/Principal.h"

void Principal::MostrarInicio() {}
void Principal::Acercade_Click() {}
void Principal::Salir_Click() {}

#include "board/Principal.h"

void Principal::Resultados_Click() {}

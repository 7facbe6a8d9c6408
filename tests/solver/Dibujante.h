#pragma once

// The window driver under the name some tests still use.

#include "tools/VentanaPrueba.h"

using Dibujante = Ventana;

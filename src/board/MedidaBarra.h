#pragma once

// The live geometry of a bar as the data panel shows it while it is drawn.
// The texts written from these values are read back and stored as the bar's
// Longitud and Angulo, so every step keeps the precision named here.

// Length in metres truncated (toward minus infinity) to the hundredth, from
// the line's end points converted to metres. x1, x2 are the 32-bit values
// AMetros gives on X; y1, y2 are 32-bit when ySimple, doubles otherwise. Each
// difference is formed in its operands' precision, the rest in double.
double LongitudMostrada(float x1, float x2, double y1, double y2, bool ySimple);

// Direction from start to end in degrees, counter-clockwise from +X with Y up,
// cut down to a tenth with the short pi 3.141592 (so 134.9 rather than 135).
// A vertical bar points at 90 (end above) or 270 (end below); a bar of zero
// length at 0.
double AnguloMostrado(float xInicio, float yInicio, float xFin, float yFin);

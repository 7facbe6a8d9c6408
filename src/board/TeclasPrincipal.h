#pragma once

class Principal;

// The main window's keys beyond the buttons' own: Esc drops a bar being drawn,
// F1 opens the user guide, Ctrl+C copies a picture of the board.
void InstalarTeclas(Principal& p);

#include "board/Principal.h"
#include "results/Final.h"

// The results window lives only while it is open; the main window takes no
// input meanwhile.
void Principal::Resultados_Click()
{
    if (!modulo.Resuelto.hay)
        return;
    Final final(*this);
    final.exec();
}

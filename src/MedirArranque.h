#pragma once

#include "PrimerPintado.h"

#include <QCoreApplication>
#include <QFile>
#include <chrono>
#include <cstdio>

// Start-up measurement for scripts/medir_arranque.sh. With the environment
// variable TRABINA_MEDIR_ARRANQUE set, the program prints, once its window has
// been exposed and painted for the first time, the wall-clock time in
// nanoseconds and its peak resident memory so far, then ends. Without it,
// nothing changes. The bare Qt baseline in bench/base uses the same code.

// Peak resident memory of the process so far, in kB (VmHWM).
inline long PicoMemoriaKb()
{
    QFile estado(QStringLiteral("/proc/self/status"));
    if (!estado.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray linea = estado.readLine(); !linea.isEmpty(); linea = estado.readLine()) {
        if (linea.startsWith("VmHWM:"))
            return linea.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

inline void InformarArranque()
{
    const auto ahora = std::chrono::system_clock::now().time_since_epoch();
    std::printf("arranque %lld %ld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(ahora).count()), PicoMemoriaKb());
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

// Call right after the window's show() and after the program's own
// TrasPrimerPintado steps for it: the filter installed last sees the exposure
// first, so the time is taken before those steps run.
inline void MedirArranque(QWidget& ventana)
{
    if (qEnvironmentVariableIsEmpty("TRABINA_MEDIR_ARRANQUE") || !ventana.windowHandle())
        return;
    TrasPrimerPintado(ventana, InformarArranque);
}

#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>

// Start-up measurement for scripts/medir_arranque.sh. With the environment
// variable TRABINA_MEDIR_ARRANQUE set, the program prints, once its window has
// been exposed and painted for the first time, the wall-clock time in
// nanoseconds and its peak resident memory so far, then ends. Without it,
// nothing changes. The bare Qt baseline in bench/base uses the same code.

class MedidorArranque : public QObject {
public:
    using QObject::QObject;

    // Peak resident memory of the process so far, in kB (VmHWM).
    static long PicoMemoriaKb()
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

    void Informar()
    {
        const auto ahora = std::chrono::system_clock::now().time_since_epoch();
        std::printf("arranque %lld %ld\n",
            static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(ahora).count()),
            PicoMemoriaKb());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Expose && !visto && static_cast<QWindow*>(objeto)->isExposed()) {
            visto = true;
            // Queued: the window paints on this same exposure first.
            QTimer::singleShot(0, this, &MedidorArranque::Informar);
        }
        return false;
    }

private:
    bool visto = false;
};

// Call right after the window's show().
inline void MedirArranque(QWidget& ventana)
{
    if (qEnvironmentVariableIsEmpty("TRABINA_MEDIR_ARRANQUE") || !ventana.windowHandle())
        return;
    auto* medidor = new MedidorArranque(&ventana);
    if (ventana.windowHandle()->isExposed())
        QTimer::singleShot(0, medidor, &MedidorArranque::Informar);
    else
        ventana.windowHandle()->installEventFilter(medidor);
}

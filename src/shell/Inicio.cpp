#include "shell/Inicio.h"

#include "board/Dibujos.h"
#include "board/Principal.h"
#include "board/Trazos.h"
#include "shell/TituloAplicacion.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int IntervaloInicio = 5000; // ms
constexpr int EsperaContenido = 250; // ms
const QSize TamanoInicio(540, 320);

const QString TextoTitulo = QStringLiteral("Análisis de cerchas por el método de los nodos (Vexo.Parvu.Trabina)");
const QString TextoVersion = QStringLiteral("Versión 1.0.0");
const QString TextoDerechos = QStringLiteral("© 2026 Taller de Estructuras. Todos los derechos reservados.");

QLabel* Rotulo(QWidget* padre, const QString& texto, int puntos, bool negrita, const QRect& lugar)
{
    auto* rotulo = new QLabel(texto, padre);
    QFont arial(QStringLiteral("Arial"), puntos);
    arial.setBold(negrita);
    rotulo->setFont(arial);
    QPalette paleta = rotulo->palette();
    paleta.setColor(QPalette::WindowText, Qt::white);
    rotulo->setPalette(paleta);
    rotulo->setAlignment(Qt::AlignCenter);
    rotulo->setWordWrap(true);
    rotulo->setGeometry(lugar);
    return rotulo;
}

// The picture is painted at the window's own paint, at the screen's density,
// instead of into a double-density picture before the window is shown: that
// made start-up slower and held several megabytes for five seconds.
class ImagenPresentacion : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        PintarPresentacion(p, size());
    }
};

} // namespace

// The main window is mapped after the splash, and a window manager raises the
// newest window: without staying on top the splash would spend its five
// seconds hidden behind it.
Inicio::Inicio(Principal& dueno)
    : QWidget(&dueno, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , principal(dueno)
{
    // Closing the splash must never count as closing the program's last window.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(TamanoInicio);
    setWindowTitle(TituloAplicacion);

    // Until its content shows, the window is plain in the picture's top colour.
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, Paleta::NocheAlta);
    setPalette(paleta);
    setAutoFillBackground(true);
    Imagen1 = new ImagenPresentacion(this);
    Imagen1->setAttribute(Qt::WA_OpaquePaintEvent); // it covers every pixel
    Imagen1->setGeometry(rect());
    // The picture keeps its upper third plain for the title and the bottom strip for the rights line.
    lblTitulo = Rotulo(this, TextoTitulo, 17, true, QRect(30, 28, 480, 80));
    lblVersion = Rotulo(this, TextoVersion, 11, false, QRect(30, 112, 480, 24));
    lblDerechos = Rotulo(this, TextoDerechos, 8, false, QRect(10, 292, 520, 20));
    VerContenido(false);
    // Should the main window not be painted soon (another desktop, say), the content shows anyway.
    QTimer::singleShot(EsperaContenido, this, &Inicio::MostrarContenido);

    Timer1 = new QTimer(this);
    Timer1->setInterval(IntervaloInicio);
    Timer1->setSingleShot(true); // one tick is all it is used for
    // A coarse timer may tick up to 5% early; the splash stays its full five seconds.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &Inicio::Timer1_Timer);
    Timer1->start();
    Centrar();
}

void Inicio::MostrarContenido()
{
    VerContenido(true);
}

void Inicio::VerContenido(bool visible)
{
    for (QWidget* contenido : std::initializer_list<QWidget*> { Imagen1, lblTitulo, lblVersion, lblDerechos })
        contenido->setVisible(visible);
}

void Inicio::Centrar()
{
    const QScreen* pantalla = QGuiApplication::primaryScreen();
    if (pantalla)
        move(pantalla->availableGeometry().center() - rect().center());
}

void Inicio::Timer1_Timer()
{
    Timer1->stop();
    close();
    deleteLater();
    principal.setVisible(true);
}

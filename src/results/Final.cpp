// The results window's controls, its place beside the main window, the bar
// highlight on the board and what closing it restores.

#include "results/Final.h"

#include "board/AccionCopiar.h"
#include "board/Pixeles.h"
#include "board/Tablero.h"
#include "model/Modulo.h"
#include "model/Numeros.h"
#include "results/CopiaResultados.h"
#include "results/ListaTabulada.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace {

const QString TituloFinal = QStringLiteral("Resultado de Trabina V1.0");
const QString TextoLabel1 = QStringLiteral("Matriz de cálculo solucionada");
// Seven blanks between the words; the list's tab stops fall under them.
const QString PalabraBarra = QStringLiteral("Barra       ");
const QString PalabraNodos = QStringLiteral("Nodos       ");
const QString PalabraFuerza = QStringLiteral("Fuerza");
const QString TextoSalir = QStringLiteral("&Cerrar");

// The window's size in twips (the main window's scale of 15 twips a pixel).
constexpr double AnchoFinal = 8400;
constexpr double AltoFinal = 7200;

// A window's Width in twips, frame included, as its Left counts it.
double AnchoTwips(const QWidget& ventana)
{
    return ventana.frameGeometry().width() * TwipsPorPixel;
}

QLabel* Rotulo(QWidget* padre, const QString& texto, double left, double top, double ancho)
{
    auto* rotulo = new QLabel(texto, padre);
    Ubicar(rotulo, left, top, ancho, 285);
    return rotulo;
}

} // namespace

Final::Final(QWidget& dueno, const CalculoResuelto& resuelto, double pantalla, Resaltar resaltarBarra)
    : QDialog(&dueno)
    , principal(dueno)
    , anchoPantalla(pantalla)
    , barrasResueltas(resuelto.NumBarras)
    , resaltar(std::move(resaltarBarra))
{
    setWindowTitle(TituloFinal);
    // The reaction labels are Arial; the rest of the window reads alike.
    QFont arial = font();
    arial.setFamily(QStringLiteral("Arial"));
    setFont(arial);
    crearControles();
    setFixedSize(APixeles(AnchoFinal), APixeles(AltoFinal));

    // Load, in its order.
    ColocarVentanas();
    LlenarLista(resuelto);
    LlenarReacciones(resuelto);
    LlenarMatriz(resuelto);
    AgregarCopiar(*this, { Elemento, msfgMatriz },
        [&resuelto] { QGuiApplication::clipboard()->setMimeData(DatosResultados(resuelto)); });
}

void Final::crearControles()
{
    Label1 = Rotulo(this, TextoLabel1, 120, 120, 5000);
    msfgMatriz = new QTableWidget(this);
    Ubicar(msfgMatriz, 120, 450, 8160, 3690);

    Nombre = Rotulo(this, PalabraBarra + PalabraNodos + PalabraFuerza, 120, 4260, 4200);
    Elemento = new QListWidget(this);
    Ubicar(Elemento, 120, 4560, 4200, 2070);
    Elemento->setSelectionMode(QAbstractItemView::SingleSelection);
    // The columns of the list start where the heading's words start.
    const QFontMetricsF medida(Nombre->font());
    const qreal inicio = Elemento->frameWidth() + style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    const qreal nodos = medida.horizontalAdvance(PalabraBarra) - inicio;
    const qreal fuerza = medida.horizontalAdvance(PalabraBarra + PalabraNodos) - inicio;
    Elemento->setItemDelegate(new ListaTabulada({ nodos, fuerza }, Elemento));
    connect(Elemento, &QListWidget::itemSelectionChanged, this, &Final::Elemento_Click);

    for (int i = 0; i < 3; ++i)
        Apoyo[i] = Rotulo(this, QString(), 4560, 4560 + 420 * i, 3720);

    Salir = new QPushButton(TextoSalir, this);
    Ubicar(Salir, 6705, 6600, 1575, 465);
    Salir->setDefault(true);
    // The window opens with Cerrar focused: no cell of the grid is marked
    // until the user moves into it.
    Salir->setFocus();
    connect(Salir, &QPushButton::clicked, this, &Final::Salir_Click);
}

// Side by side, the pair centred across the screen and never left of it.
void Final::ColocarVentanas()
{
    const double anchoPrincipal = AnchoTwips(principal);
    // Not shown yet, this window has no frame to measure: it will get one
    // like the main window's.
    const int marco = principal.frameGeometry().width() - principal.width();
    const double anchoFinal = (width() + marco) * TwipsPorPixel;
    double left = EnteroPar((anchoPantalla - anchoPrincipal - anchoFinal) / 2);
    if (left < 0)
        left = 0;
    principal.move(APixeles(left), principal.y());
    move(principal.x() + APixeles(anchoPrincipal), principal.y());
}

// The selected bar turns green on the board; every other bar shows its sign.
void Final::Elemento_Click()
{
    const QModelIndexList elegidas = Elemento->selectionModel()->selectedIndexes();
    const int barra = elegidas.isEmpty() ? 0 : elegidas.first().row() + 1;
    resaltar(barra >= 1 && barra <= barrasResueltas ? barra : 0);
}

void Final::Salir_Click()
{
    close();
}

void Final::done(int resultado)
{
    // Unload: the main window centred alone again, the highlight removed.
    const double left = (anchoPantalla - AnchoTwips(principal)) / 2;
    principal.move(APixeles(left), principal.y());
    resaltar(0);
    QDialog::done(resultado);
}

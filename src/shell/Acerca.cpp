#include "shell/Acerca.h"

#include "board/Dibujos.h"
#include "shell/Ayuda.h"
#include "shell/TituloAplicacion.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

const QString TituloAcerca = QStringLiteral("Acerca de Vexo.Parvu.Trabina");
const QString TextoSubtitulo = QStringLiteral("Software didáctico de cálculo para el diseño de cerchas 2D");
const QString TextoCreditos = QStringLiteral("Diseño y programación:");
const QString TextoVersion = QStringLiteral("Versión 1.0.0");
const QStringList Autores {
    QStringLiteral("Equipo Trabina: interfaz y tablero de dibujo"),
    QStringLiteral("Equipo Trabina: cálculo matricial por el método de los nodos"),
    QStringLiteral("Taller de Estructuras: revisión didáctica y guía del usuario"),
};
const QString TextoOrigen = QStringLiteral("Desarrollado en el Taller de Estructuras, 2026.");
const QString TextoAviso
    = QStringLiteral("Herramienta de uso exclusivamente docente: sus resultados no sustituyen el criterio profesional "
                     "ni el cálculo y la verificación de una estructura real por un ingeniero responsable.");

constexpr int LineasCreditos = 4;

QLabel* Logotipo(QWidget* padre, int indice)
{
    auto* logo = new QLabel(padre);
    logo->setPixmap(DibujoLogo(indice));
    logo->setFixedSize(LadoLogo, LadoLogo);
    return logo;
}

} // namespace

Acerca::Acerca(QWidget* dueno)
    : QDialog(dueno)
{
    setWindowTitle(TituloAcerca);
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(crearCabecera());
    columna->addLayout(crearCreditos());
    lblOrigen = new QLabel(TextoOrigen, this);
    lblAviso = new QLabel(TextoAviso, this);
    lblAviso->setWordWrap(true);
    columna->addWidget(lblOrigen);
    columna->addWidget(lblAviso);
    columna->addLayout(crearBotones());
    setFixedWidth(480);
    setFixedHeight(sizeHint().height());
}

QLayout* Acerca::crearCabecera()
{
    Logo[0] = Logotipo(this, 0);
    Logo[1] = Logotipo(this, 1);
    lblNombre = new QLabel(TituloAplicacion, this);
    QFont grande = lblNombre->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.4);
    grande.setBold(true);
    lblNombre->setFont(grande);
    lblVersion = new QLabel(TextoVersion, this);
    lblSubtitulo = new QLabel(TextoSubtitulo, this);
    lblSubtitulo->setWordWrap(true);
    auto* textos = new QVBoxLayout;
    textos->addWidget(lblNombre);
    textos->addWidget(lblVersion);
    textos->addWidget(lblSubtitulo);
    auto* fila = new QHBoxLayout;
    fila->addWidget(Logo[0]);
    fila->addLayout(textos, 1);
    fila->addWidget(Logo[1]);
    return fila;
}

QLayout* Acerca::crearCreditos()
{
    lblCreditos = new QLabel(TextoCreditos, this);
    Text1 = new QPlainTextEdit(Autores.join(QLatin1Char('\n')), this);
    Text1->setReadOnly(true);
    // The list reads as part of the box, not as a field to type into.
    QPalette paleta = Text1->palette();
    paleta.setColor(QPalette::Base, paleta.color(QPalette::Button));
    Text1->setPalette(paleta);
    const int alto = Text1->fontMetrics().lineSpacing() * LineasCreditos + 2 * Text1->frameWidth() + 8;
    Text1->setFixedHeight(alto);
    lblCreditos->setBuddy(Text1);
    auto* columna = new QVBoxLayout;
    columna->addWidget(lblCreditos);
    columna->addWidget(Text1);
    return columna;
}

QLayout* Acerca::crearBotones()
{
    Command1 = new QPushButton(QStringLiteral("&Ayuda"), this);
    Command2 = new QPushButton(QStringLiteral("&Cerrar"), this);
    Command1->setAutoDefault(false);
    Command2->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Acerca::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Acerca::Command2_Click);
    // F1 is the desktop's key for help: the same request as the button's.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, &Acerca::Command1_Click);
    auto* fila = new QHBoxLayout;
    fila->addStretch(1);
    fila->addWidget(Command1);
    fila->addWidget(Command2);
    return fila;
}

void Acerca::Command1_Click()
{
    MostrarAyuda(this);
}

void Acerca::Command2_Click()
{
    close();
}

#pragma once

// Drives the real main window. At the start size (10 m x 5 m) a metre is 485 twips across from x = 150 and 540
// down from y = 2700: Xt and Yt convert exactly both ways. Viewport pixel (px, py) is twip (15 px, 15 py).

#include "ControlesPrueba.h"

#include <QtTest>
#include <QtWidgets>
#include <charconv>
#include <memory>
#include <tuple>

inline const auto Xt = [](double x) { return static_cast<float>(150 + 485 * x); };
inline const auto Yt = [](double y) { return static_cast<float>(2700 - 540 * y); };
inline const auto Pixel = [](float x, float y) { return QPoint(qRound(x / 15), qRound(y / 15)); };

// A 32-bit value as its shortest exact text, such as 2332.047.
inline QString F(float valor)
{
    char texto[32];
    return QString::fromLatin1(texto, std::to_chars(texto, texto + sizeof texto, valor).ptr - texto);
}

// A data table's columns, a row named after its case, the row's values: auto [a, b] = Datos<QString, int>("a", "b").
template <typename... T, typename... N> void Columnas(N... nombres)
{
    (QTest::addColumn<T>(nombres), ...);
}
template <typename... V> void Fila(const char* caso, V... valores)
{
    (QTest::newRow(caso) << ... << valores);
}
template <typename... T, typename... N> std::tuple<T...> Datos(N... nombres)
{
    return { *static_cast<const T*>(QTest::qData(nombres, qMetaTypeId<T>()))... };
}

struct Ventana {
    Modulo m;
    Principal p { m, Principal::Arranque::SinPresentacion };
    bool Mostrar()
    {
        p.show();
        return QTest::qWaitForWindowExposed(&p);
    }
    void Elegir(int herramienta) { QTest::mouseClick(C(p).Herramienta[size_t(herramienta)], Qt::LeftButton); }
    // Puts "prin|angulo" into the panel's two boxes, and may press Aceptar.
    void Escribir(const QString& textos, bool aceptar = false)
    {
        C(p).Prin->setText(textos.section('|', 0, 0));
        C(p).Angulo->setText(textos.section('|', 1));
        if (aceptar)
            QTest::mouseClick(C(p).Aceptar, Qt::LeftButton);
    }
    // Press and move at a point in metres, through the board's handlers.
    void Clic(double x, double y) { p.Diagrama_MouseDown({ 1, 0, Xt(x), Yt(y) }); }
    void Mover(double x, double y) { p.Diagrama_MouseMove({ 0, 0, Xt(x), Yt(y) }); }
    // A real press and release on the board at the pixel nearest a point in metres.
    void Presionar(double x, double y, Qt::KeyboardModifiers teclas = {}, Qt::MouseButton boton = Qt::LeftButton)
    {
        QTest::mouseClick(C(p).Diagrama->viewport(), boton, teclas, Pixel(Xt(x), Yt(y)));
    }
};

// Armed or not, the pressed tool button (-1: none), " panel" while the panel is enabled, and the message.
inline QString Estado(const Principal& p)
{
    return QString(C(p).Banderas[Bandera::Armada] ? "armada h" : "desarmada h")
        + QString::number(C(p).grupoHerramientas->checkedId()) + (C(p).Datos->isEnabled() ? " panel «" : " «")
        + p.MensajeActual() + "»";
}

// The codes of the enabled tool buttons, then Calcular and Resultados when enabled: "245", "1235 calcular".
inline QString Habilitadas(const Principal& p)
{
    QString codigos;
    for (int i = 0; i <= 5; ++i)
        codigos += C(p).Herramienta[size_t(i)]->isEnabled() ? QString::number(i) : QString();
    return codigos + (C(p).Calcular->isEnabled() ? " calcular" : "")
        + (C(p).Resultados->isEnabled() ? " resultados" : "");
}

// A button's or label's text, a frame's title.
inline QString Texto(const QWidget* control)
{
    const QVariant texto = control->property("text");
    return texto.isValid() ? texto.toString() : control->property("title").toString();
}

inline int ElementosVisibles(const Principal& p)
{
    const QList<QGraphicsItem*> items = C(p).Diagrama->Escena().items();
    return int(std::count_if(items.begin(), items.end(), [](const QGraphicsItem* i) { return i->isVisible(); }));
}

// Answers the next message box with `boton` once it opens; the text gets its
// "title|icon|buttons|captions of Yes, No, OK|text".
inline std::shared_ptr<QString> ResponderCaja(QMessageBox::StandardButton boton)
{
    auto vista = std::make_shared<QString>();
    auto* reloj = new QTimer;
    QObject::connect(reloj, &QTimer::timeout, [reloj, vista, boton] {
        if (auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            reloj->stop();
            reloj->deleteLater();
            QStringList rotulos;
            for (auto estandar : { QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok })
                if (QAbstractButton* control = caja->button(estandar))
                    rotulos << control->text();
            *vista = QString("%1|%2|%3|%4|%5")
                         .arg(caja->windowTitle())
                         .arg(int(caja->icon()))
                         .arg(caja->standardButtons().toInt())
                         .arg(rotulos.join(' '), caja->text());
            caja->button(boton)->click();
        }
    });
    reloj->start(5);
    return vista;
}

// "caption on" / "caption off" for each enabled-state change of the panel and the buttons, in order.
class RegistroHabilitado : public QObject {
public:
    QStringList cambios;
    explicit RegistroHabilitado(Principal& p)
    {
        for (QWidget* control : std::initializer_list<QWidget*> { C(p).Datos, C(p).Calcular, C(p).Resultados })
            control->installEventFilter(this);
        for (QToolButton* boton : C(p).Herramienta)
            boton->installEventFilter(this);
    }
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (auto* w = static_cast<QWidget*>(objeto); evento->type() == QEvent::EnabledChange)
            cambios << Texto(w) + (w->isEnabled() ? " on" : " off");
        return false;
    }
};

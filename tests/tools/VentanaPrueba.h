#pragma once

// Drives the real main window as a student does and reads back the board and the results window. At the start size
// (10 m x 5 m) a metre is 485 twips across from x = 150 and 540 down from y = 2700, so Xt and Yt convert exactly both
// ways; viewport pixel (px, py) is twip (15 px, 15 py).

#include "ControlesPrueba.h"
#include "model/Numeros.h"
#include "results/Final.h"

#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <tuple>

inline float Xt(double x)
{
    return float(150 + 485 * x);
}
inline float Yt(double y)
{
    return float(2700 - 540 * y);
}
inline QPoint Pixel(float x, float y)
{
    return QPoint(qRound(x / 15), qRound(y / 15));
}

inline const QColor Azul(0, 0, 255), Rojo(255, 0, 0), Cero(247, 187, 106), Verde(0, 255, 0);
inline const QString Calculada = QStringLiteral("Cercha calculada satisfactoriamente");

// Steps of Dibujar: "N x,y" typed node; "T a,g" bar typed from a at g degrees, length a hair over sqrt 2 (exact
// angle, end node on the whole metre); "B a,e" bar pressed a to e (angle cut to a tenth); "S f,r" supports;
// "C n,g" 1000 N at n drawn at g degrees, toward the node. Triangle A(0,0) B(1,1) C(2,0), load at B.
inline const QString PasosTriangulo = QStringLiteral("N0,0 T1,45 T2,315 B1,3 S1,3 C2,90");
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
    bool Mostrar() { return p.show(), QTest::qWaitForWindowExposed(&p); }
    void Elegir(int herramienta) { QTest::mouseClick(C(p).Herramienta[size_t(herramienta)], Qt::LeftButton); }
    // Puts "prin|angulo" into the panel's two boxes, or types them over what they hold, and may press Aceptar.
    void Escribir(const QString& textos, bool aceptar = false, bool teclear = false)
    {
        for (int i = 0; i < 2; ++i) {
            QLineEdit* caja = i ? C(p).Angulo : C(p).Prin;
            if (teclear) {
                QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(caja, textos.section('|', i, i));
            } else
                caja->setText(textos.section('|', i, i));
        }
        if (aceptar)
            QTest::mouseClick(C(p).Aceptar, Qt::LeftButton);
    }
    // Press and move at a point in metres, straight to the board's handlers.
    void Clic(double x, double y) { p.Diagrama_MouseDown({ 1, 0, Xt(x), Yt(y) }); }
    void Mover(double x, double y) { p.Diagrama_MouseMove({ 0, 0, Xt(x), Yt(y) }); }
    // A real press and release on the board at the pixel nearest a point in metres.
    void Presionar(double x, double y, Qt::KeyboardModifiers teclas = {}, Qt::MouseButton boton = Qt::LeftButton)
    {
        QTest::mouseClick(C(p).Diagrama->viewport(), boton, teclas, Pixel(Xt(x), Yt(y)));
    }
    void Dibujar(const QString& pasos)
    {
        for (const QString& paso : pasos.split(u' ')) {
            const QStringList v = paso.mid(1).split(u',');
            const int tipo = int(QStringLiteral("NTBSC").indexOf(paso[0]));
            Elegir(std::array { HerrNodo, HerrBarra, HerrBarra, HerrApoyos, HerrCarga }[size_t(tipo)]);
            for (int i = 0; i < (tipo == 2 || tipo == 3 ? 2 : tipo > 0); ++i)
                Presionar(m.Nodo(v[i].toInt()).X, m.Nodo(v[i].toInt()).Y);
            if (tipo < 2 || tipo == 4)
                Escribir((tipo == 0 ? v[0] : tipo == 1 ? "1.414213562374" : "1000") + '|' + v[1], true, true);
        }
    }
    void Calcular() { QTest::mouseClick(C(p).Calcular, Qt::LeftButton); }
    // Each bar's force label, blank-separated, and its colour as a letter: C compression (blue), T tension (red), 0
    // zero force and every bar before a calculation, V selected in the results window.
    QString Fuerzas() const
    {
        QStringList textos;
        for (int b = 1; b <= m.NumBarras; ++b)
            textos << C(p).lbFuerza[b]->TextoActual();
        return textos.join(' ');
    }
    QString Colores() const
    {
        QString letras;
        for (int b = 1; b <= m.NumBarras; ++b) {
            const QColor c = C(p).Barra[b]->ColorActual();
            letras += c == Azul ? 'C' : c == Rojo ? 'T' : c == Cero ? '0' : c == Verde ? 'V' : '?';
        }
        return letras;
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
    return control->property(control->property("text").isValid() ? "text" : "title").toString();
}

inline int ElementosVisibles(const Principal& p)
{
    const QList<QGraphicsItem*> items = C(p).Diagrama->Escena().items();
    return int(std::count_if(items.begin(), items.end(), [](const QGraphicsItem* i) { return i->isVisible(); }));
}

// Runs `accion` on the first modal T once active, where shortcuts reach it; it must close it, as it blocks the opener.
template <typename T> struct AlAbrirse {
    QTimer sondeo;
    explicit AlAbrirse(std::function<void(T*)> accion)
    {
        QObject::connect(&sondeo, &QTimer::timeout, [this, accion] {
            if (auto* ventana = qobject_cast<T*>(QApplication::activeModalWidget());
                ventana && ventana->isActiveWindow())
                sondeo.stop(), accion(ventana);
        });
        sondeo.start(5);
    }
};

// Answers the next message box with `boton`, seen as "title|icon|buttons|captions of Yes, No, OK|text".
struct Contestar {
    QString vista;
    AlAbrirse<QMessageBox> caja;
    explicit Contestar(
        QMessageBox::StandardButton boton, std::function<void()> antes = [] {})
        : caja([this, boton, antes](QMessageBox* c) {
            QStringList rotulos;
            for (auto estandar : { QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok })
                if (QAbstractButton* control = c->button(estandar))
                    rotulos << control->text();
            vista = QString("%1|%2|%3|%4|%5").arg(c->windowTitle()).arg(int(c->icon()));
            vista = vista.arg(c->standardButtons().toInt()).arg(rotulos.join(' '), c->text());
            antes();
            c->button(boton)->click();
        })
    {
    }
};

// What a results window shows, laid out as it is copied: the list's heading and lines, a blank, the reactions, a
// blank, the grid's title, its heading row and rows, cells separated by tabs.
inline QStringList LeerFinal(const Final& f)
{
    QStringList lineas { f.Nombre->text() };
    for (int i = 0; i < f.Elemento->count(); ++i)
        lineas << f.Elemento->item(i)->text();
    lineas << QString() << f.Apoyo[0]->text() << f.Apoyo[1]->text() << f.Apoyo[2]->text() << QString()
           << f.Label1->text();
    const QTableWidget& g = *f.msfgMatriz;
    for (int i = -1; i < g.rowCount(); ++i) {
        QStringList celdas { i < 0 ? QString() : g.verticalHeaderItem(i)->text() };
        for (int j = 0; j < g.columnCount(); ++j)
            celdas << (i < 0 ? g.horizontalHeaderItem(j) : g.item(i, j))->text();
        lineas << celdas.join('\t');
    }
    return lineas;
}

// Presses Resultados and, in the window, reads it, runs `accion` and presses Cerrar. Empty when none opened.
inline QStringList AbrirResultados(
    Principal& p, const std::function<void(Final&)>& accion = [](Final&) {})
{
    QStringList vista;
    AlAbrirse<Final> abierta([&](Final* f) {
        vista = LeerFinal(*f);
        accion(*f);
        if (f->isVisible())
            QTest::mouseClick(f->Salir, Qt::LeftButton);
    });
    QTest::mouseClick(C(p).Resultados, Qt::LeftButton);
    return vista;
}

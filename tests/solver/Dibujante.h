#pragma once

// Drives the real main window as a student does: tool buttons, presses on
// the board's viewport, typing into the data panel and Aceptar. Nothing is
// written into the model; node positions are only read to know where to click.

#include "board/Principal.h"
#include "model/Numeros.h"
#include "results/Final.h"

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

class Dibujante {
public:
    Modulo m;
    Principal p { m, Principal::Arranque::SinPresentacion };

    bool Mostrar()
    {
        p.show();
        return QTest::qWaitForWindowExposed(&p);
    }

    void Herramienta(int codigo) { QTest::mouseClick(p.Herramienta[static_cast<size_t>(codigo)], Qt::LeftButton); }

    static void Escribir(QLineEdit* caja, const QString& texto)
    {
        caja->setFocus();
        QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier); // typing replaces the selection
        QTest::keyClicks(caja, texto);
    }

    void Aceptar() { QTest::mouseClick(p.Aceptar, Qt::LeftButton); }

    // A node typed into the panel under the node tool.
    void Nodo(const QString& x, const QString& y)
    {
        Herramienta(HerrNodo);
        Escribir(p.Prin, x);
        Escribir(p.Angulo, y);
        Aceptar();
    }

    // The viewport pixel over node n's point; a press there hits its dot.
    QPoint PixelNodo(int n) const
    {
        const NodoRec& nodo = m.Nodos[static_cast<size_t>(n)];
        const double x = p.coordenadas.ATwips(nodo.X, Eje::X);
        const double y = p.coordenadas.ATwips(nodo.Y, Eje::Y);
        return QPoint(qRound(x / TwipsPorPixel), qRound(y / TwipsPorPixel));
    }

    void ClicNodo(int n) { QTest::mouseClick(p.Diagrama->viewport(), Qt::LeftButton, {}, PixelNodo(n)); }

    // A bar drawn from node a to node e by two presses: its angle is measured
    // from the nodes and cut down to a tenth of a degree.
    void Barra(int a, int e)
    {
        Herramienta(HerrBarra);
        ClicNodo(a);
        ClicNodo(e);
    }

    // A bar opened at node a and closed by a typed length and angle: a new
    // node stands at its end and the bar keeps the typed angle exactly.
    void BarraEscrita(int a, const QString& longitud, const QString& angulo)
    {
        Herramienta(HerrBarra);
        ClicNodo(a);
        Escribir(p.Prin, longitud);
        Escribir(p.Angulo, angulo);
        Aceptar();
    }

    void Apoyos(int fijo, int rodillo)
    {
        Herramienta(HerrApoyos);
        ClicNodo(fijo);
        ClicNodo(rodillo);
    }

    // A load of `magnitud` N whose line is drawn from the node at `angulo`;
    // it acts toward the node.
    void Carga(int n, const QString& magnitud, const QString& angulo)
    {
        Herramienta(HerrCarga);
        ClicNodo(n);
        Escribir(p.Prin, magnitud);
        Escribir(p.Angulo, angulo);
        Aceptar();
    }

    void Calcular() { QTest::mouseClick(p.Calcular, Qt::LeftButton); }

    QString Fuerza(int b) const { return p.lbFuerza[static_cast<size_t>(b)]->TextoActual(); }
    QColor Color(int b) const { return p.Barra[static_cast<size_t>(b)]->ColorActual(); }

    QStringList Fuerzas() const
    {
        QStringList textos;
        for (int b = 1; b <= m.NumBarras; ++b)
            textos << Fuerza(b);
        return textos;
    }

    QList<QColor> Colores() const
    {
        QList<QColor> colores;
        for (int b = 1; b <= m.NumBarras; ++b)
            colores << Color(b);
        return colores;
    }
};

// What the results window showed.
struct VistaResultados {
    bool abierta = false;
    QStringList lineas;
    QStringList apoyos;
    int filas = 0; // with the heading row
    int columnas = 0; // with the heading column
    QStringList encabezados;
};

// Presses Resultados; once the results window is open and modal, reads it,
// runs `accion` on it (if any) and closes it with its Cerrar button.
inline VistaResultados AbrirResultados(Dibujante& d, const std::function<void(Final&)>& accion = {})
{
    auto vista = std::make_shared<VistaResultados>();
    auto* reloj = new QTimer;
    reloj->setInterval(5);
    QObject::connect(reloj, &QTimer::timeout, [reloj, vista, accion] {
        auto* f = qobject_cast<Final*>(QApplication::activeModalWidget());
        if (!f)
            return;
        reloj->stop();
        reloj->deleteLater();
        vista->abierta = true;
        for (int i = 0; i < f->Elemento->count(); ++i)
            vista->lineas << f->Elemento->item(i)->text();
        for (const QLabel* apoyo : f->Apoyo)
            vista->apoyos << apoyo->text();
        vista->filas = f->msfgMatriz->rowCount() + 1;
        vista->columnas = f->msfgMatriz->columnCount() + 1;
        for (int c = 0; c < f->msfgMatriz->columnCount(); ++c)
            vista->encabezados << f->msfgMatriz->horizontalHeaderItem(c)->text();
        if (accion)
            accion(*f);
        if (f->isVisible())
            QTest::mouseClick(f->Salir, Qt::LeftButton);
    });
    reloj->start();
    QTest::mouseClick(d.p.Resultados, Qt::LeftButton);
    if (!vista->abierta) {
        reloj->stop();
        reloj->deleteLater();
    }
    return *vista;
}

#pragma once

// Drives the real main window as a student does: tool buttons, presses on the
// board's viewport, typing into the data panel and Aceptar, then reads what
// the board and the results window show. Nothing is written into the model;
// node positions are only read to know where to press.

#include "board/Principal.h"
#include "model/Numeros.h"
#include "results/Final.h"

#include <QApplication>
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

inline const QColor Azul(0, 0, 255); // compression
inline const QColor Rojo(255, 0, 0); // tension
inline const QColor Cero(247, 187, 106); // zero force, and every bar before a calculation
inline const QColor Verde(0, 255, 0); // the bar selected in the results window
inline const QString Calculada = QStringLiteral("Cercha calculada satisfactoriamente");

// Trusses as steps: "N x,y" a typed node; "T a,g" a bar typed from node a at g
// degrees with length sqrt 2 (a hair over it, so the new end node lands on the
// whole metre), which keeps the angle exact; "B a,e" a bar pressed from a to e,
// its angle measured and cut to a tenth; "S f,r" pin and roller; "C n,g"
// 1000 N at node n, its line drawn at g degrees, acting toward the node.
// Triangle: A(0,0), B(1,1), C(2,0); bars A-B, B-C, A-C; 1000 N down at B.
inline const QString PasosTriangulo = QStringLiteral("N0,0 T1,45 T2,315 B1,3 S1,3 C2,90");
// Warren: A(0,0) B(1,1) C(2,0) D(3,1) E(4,0); bars 1-4 the zigzag, 5 A-C,
// 6 C-E, 7 B-D; 1000 N down at B and at D.
inline const QString PasosWarren = QStringLiteral("N0,0 T1,45 T2,315 T3,45 T4,315 B1,3 B3,5 B2,4 S1,5 C2,90 C4,90");
// Cantilever tower: A(0,0) B(1,0) C(0,1) D(1,1) E(0,2) F(1,2); bars 1 A-B,
// 2 A-C, 3 B-D, 4 C-D, 5 A-D, 6 C-E, 7 D-F, 8 E-F, 9 C-F; 1000 N pushing E
// to the right.
inline const QString PasosTorre
    = QStringLiteral("N0,0 N1,0 N0,1 N1,1 N0,2 N1,2 B1,2 B1,3 B2,4 B3,4 B1,4 B3,5 B4,6 B5,6 B3,6 S1,2 C5,180");

class Dibujante {
public:
    Modulo m;
    Principal p { m, Principal::Arranque::SinPresentacion };

    bool Mostrar()
    {
        p.show();
        return QTest::qWaitForWindowExposed(&p);
    }
    void Herramienta(int codigo) { QTest::mouseClick(p.Herramienta[size_t(codigo)], Qt::LeftButton); }
    // Typing into both boxes (replacing what they hold), then Aceptar.
    void Teclear(const QString& prin, const QString& angulo)
    {
        for (auto [caja, texto] : { std::pair { p.Prin, prin }, std::pair { p.Angulo, angulo } }) {
            caja->setFocus();
            QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(caja, texto);
        }
        QTest::mouseClick(p.Aceptar, Qt::LeftButton);
    }
    // A press on the viewport pixel over node n's point.
    void ClicNodo(int n)
    {
        const NodoRec& nodo = m.Nodos[size_t(n)];
        const QPoint pixel(qRound(p.coordenadas.ATwips(nodo.X, Eje::X) / TwipsPorPixel),
            qRound(p.coordenadas.ATwips(nodo.Y, Eje::Y) / TwipsPorPixel));
        QTest::mouseClick(p.Diagrama->viewport(), Qt::LeftButton, {}, pixel);
    }
    void Dibujar(const QString& pasos)
    {
        for (const QString& paso : pasos.split(u' ')) {
            const QStringList v = paso.mid(1).split(u',');
            const int tipo = int(QStringLiteral("NTBSC").indexOf(paso[0]));
            Herramienta(std::array { HerrNodo, HerrBarra, HerrBarra, HerrApoyos, HerrCarga }[size_t(tipo)]);
            if (tipo > 0)
                ClicNodo(v[0].toInt());
            if (tipo == 2 || tipo == 3)
                ClicNodo(v[1].toInt());
            else
                Teclear(tipo == 0 ? v[0] : QString::fromLatin1(tipo == 1 ? "1.414213562374" : "1000"), v[1]);
        }
    }
    void Calcular() { QTest::mouseClick(p.Calcular, Qt::LeftButton); }

    QString Fuerza(int b) const { return p.lbFuerza[size_t(b)]->TextoActual(); }
    QColor Color(int b) const { return p.Barra[size_t(b)]->ColorActual(); }
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
    QStringList lineas, apoyos;
    int filas = 0, columnas = 0; // with the heading row and column
};

// Presses Resultados; once the results window is open and modal, reads it,
// runs `accion` on it (if any) and closes it with its Cerrar button.
inline VistaResultados AbrirResultados(Principal& p, const std::function<void(Final&)>& accion = {})
{
    auto vista = std::make_shared<VistaResultados>();
    auto* reloj = new QTimer(&p);
    QObject::connect(reloj, &QTimer::timeout, [reloj, vista, accion] {
        auto* f = qobject_cast<Final*>(QApplication::activeModalWidget());
        if (!f)
            return;
        reloj->stop();
        vista->abierta = true;
        for (int i = 0; i < f->Elemento->count(); ++i)
            vista->lineas << f->Elemento->item(i)->text();
        for (const QLabel* apoyo : f->Apoyo)
            vista->apoyos << apoyo->text();
        vista->filas = f->msfgMatriz->rowCount() + 1;
        vista->columnas = f->msfgMatriz->columnCount() + 1;
        if (accion)
            accion(*f);
        if (f->isVisible())
            QTest::mouseClick(f->Salir, Qt::LeftButton);
    });
    reloj->start(5);
    QTest::mouseClick(p.Resultados, Qt::LeftButton);
    delete reloj;
    return *vista;
}

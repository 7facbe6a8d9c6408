#pragma once

// Drives the real main window as a student does (tool buttons, presses on the
// board, typing, Aceptar) and reads back the board and the results window.

#include "ControlesPrueba.h"
#include "model/Numeros.h"
#include "results/Final.h"

#include <QApplication>
#include <QtTest>
#include <QtWidgets>

inline const QColor Azul(0, 0, 255); // compression
inline const QColor Rojo(255, 0, 0); // tension
inline const QColor Cero(247, 187, 106); // zero force, and every bar before a calculation
inline const QColor Verde(0, 255, 0); // the bar selected in the results window
inline const QString Calculada = QStringLiteral("Cercha calculada satisfactoriamente");

// Steps: "N x,y" typed node; "T a,g" bar typed from a at g degrees, length a
// hair over sqrt 2 (exact angle, end node on the whole metre); "B a,e" bar
// pressed a to e (angle cut to a tenth); "S f,r" supports; "C n,g" 1000 N at n
// drawn at g degrees, toward the node. Triangle A(0,0) B(1,1) C(2,0), load at B.
inline const QString PasosTriangulo = QStringLiteral("N0,0 T1,45 T2,315 B1,3 S1,3 C2,90");
// Warren A(0,0) B(1,1) C(2,0) D(3,1) E(4,0): 1-4 zigzag, 5 A-C, 6 C-E, 7 B-D.
inline const QString PasosWarren = QStringLiteral("N0,0 T1,45 T2,315 T3,45 T4,315 B1,3 B3,5 B2,4 S1,5 C2,90 C4,90");
// Tower A(0,0) B(1,0) C(0,1) D(1,1) E(0,2) F(1,2): A-B, A-C, B-D, C-D, A-D,
// C-E, D-F, E-F, C-F; 1000 N pushing E to the right.
inline const QString PasosTorre
    = QStringLiteral("N0,0 N1,0 N0,1 N1,1 N0,2 N1,2 B1,2 B1,3 B2,4 B3,4 B1,4 B3,5 B4,6 B5,6 B3,6 S1,2 C5,180");

class Dibujante {
public:
    Modulo m;
    Principal p { m, Principal::Arranque::SinPresentacion };

    bool Mostrar() { return p.show(), QTest::qWaitForWindowExposed(&p); }
    void Herramienta(int codigo) { QTest::mouseClick(C(p).Herramienta[size_t(codigo)], Qt::LeftButton); }
    void Teclear(const QString& prin, const QString& angulo) // replacing what both boxes hold, then Aceptar
    {
        for (auto [caja, texto] : { std::pair { C(p).Prin, prin }, std::pair { C(p).Angulo, angulo } }) {
            caja->setFocus();
            QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(caja, texto);
        }
        QTest::mouseClick(C(p).Aceptar, Qt::LeftButton);
    }
    void ClicNodo(int n) // a press on the viewport pixel over node n
    {
        const NodoRec& nodo = m.Nodo(n);
        const QPoint pixel(qRound(C(p).coordenadas.ATwips(nodo.X, Eje::X) / TwipsPorPixel),
            qRound(C(p).coordenadas.ATwips(nodo.Y, Eje::Y) / TwipsPorPixel));
        QTest::mouseClick(C(p).Diagrama->viewport(), Qt::LeftButton, {}, pixel);
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
    void Calcular() { QTest::mouseClick(C(p).Calcular, Qt::LeftButton); }

    QString Fuerza(int b) const { return C(p).lbFuerza[b]->TextoActual(); }
    QColor Color(int b) const { return C(p).Barra[b]->ColorActual(); }
    template <typename T> QList<T> Todas(T (Dibujante::*leer)(int) const) const
    {
        QList<T> todas;
        for (int b = 1; b <= m.NumBarras; ++b)
            todas << (this->*leer)(b);
        return todas;
    }
    QStringList Fuerzas() const { return Todas(&Dibujante::Fuerza); }
    QList<QColor> Colores() const { return Todas(&Dibujante::Color); }
};

struct VistaResultados { // what the results window showed
    bool abierta = false;
    QStringList lineas, apoyos;
    int filas = 0, columnas = 0; // with the heading row and column
};

// Presses Resultados; once its window is modal, reads it, runs `accion` and
// closes it with Cerrar.
inline VistaResultados AbrirResultados(Principal& p, const std::function<void(Final&)>& accion = {})
{
    auto vista = std::make_shared<VistaResultados>();
    QTimer reloj;
    QObject::connect(&reloj, &QTimer::timeout, [&reloj, vista, accion] {
        auto* f = qobject_cast<Final*>(QApplication::activeModalWidget());
        if (!f)
            return;
        reloj.stop();
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
    reloj.start(5);
    QTest::mouseClick(C(p).Resultados, Qt::LeftButton);
    return *vista;
}

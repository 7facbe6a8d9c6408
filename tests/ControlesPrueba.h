#pragma once

// The main window's controls, found by their object names, and its editing
// state and board pools through its read-only view, under the names the
// window gives them. C(p) finds them once per window.

#include "board/ElementosTablero.h"
#include "board/Principal.h"
#include "board/Tablero.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

template <typename T> T* Hijo(const QObject& padre, const char* nombre)
{
    T* hijo = padre.findChild<T*>(QString::fromLatin1(nombre));
    if (!hijo) {
        std::fprintf(stderr, "no control named %s\n", nombre);
        std::abort();
    }
    return hijo;
}

struct Controles {
    explicit Controles(const Principal& p)
        : principal(&p)
        , modulo(p.Ver().modulo)
        , coordenadas(p.Ver().coordenadas)
        , Banderas(p.Ver().estado.Banderas)
        , HerramientaActual(p.Ver().estado.HerramientaActual)
        , Nodo(p.Ver().elementos.Nodo)
        , lbNodo(p.Ver().elementos.lbNodo)
        , Barra(p.Ver().elementos.Barra)
        , lbBarra(p.Ver().elementos.lbBarra)
        , lbFuerza(p.Ver().elementos.lbFuerza)
        , Fuerza(p.Ver().elementos.Fuerza)
        , lbCarga(p.Ver().elementos.lbCarga)
        , Apoyo(p.Ver().elementos.Apoyo)
        , Coordenas(p.Ver().elementos.Coordenas)
    {
        for (int i = 0; i < 6; ++i)
            Herramienta[size_t(i)] = Hijo<QToolButton>(p, qPrintable(QStringLiteral("Herramienta%1").arg(i)));
        for (int i = 1; i <= 3; ++i)
            Panel[size_t(i)] = Hijo<QLabel>(p, qPrintable(QStringLiteral("Panel%1").arg(i)));
    }
    QPointer<const Principal> principal;
    const Modulo& modulo;
    const Coordenadas& coordenadas;
    const Tabla<bool, 4>& Banderas;
    const Herramientas& HerramientaActual;
    const decltype(ElementosTablero::Nodo)& Nodo;
    const decltype(ElementosTablero::lbNodo)& lbNodo;
    const decltype(ElementosTablero::Barra)& Barra;
    const decltype(ElementosTablero::lbBarra)& lbBarra;
    const decltype(ElementosTablero::lbFuerza)& lbFuerza;
    const decltype(ElementosTablero::Fuerza)& Fuerza;
    const decltype(ElementosTablero::lbCarga)& lbCarga;
    const decltype(ElementosTablero::Apoyo)& Apoyo;
    const std::unique_ptr<Imagen>& Coordenas;
    QButtonGroup* grupoHerramientas = principal->findChild<QButtonGroup*>();
    std::array<QToolButton*, 6> Herramienta {};
    QToolButton* Calcular = Hijo<QToolButton>(*principal, "Calcular");
    QToolButton* Resultados = Hijo<QToolButton>(*principal, "Resultados");
    QToolButton* Acercade = Hijo<QToolButton>(*principal, "Acercade");
    QToolButton* Salir = Hijo<QToolButton>(*principal, "Salir");
    QGroupBox* Frame1 = Hijo<QGroupBox>(*principal, "Frame1");
    QGroupBox* Datos = Hijo<QGroupBox>(*principal, "Datos");
    QLabel* Label1 = Hijo<QLabel>(*principal, "Label1");
    QLabel* Label2 = Hijo<QLabel>(*principal, "Label2");
    QLineEdit* Prin = Hijo<QLineEdit>(*principal, "Prin");
    QLineEdit* Angulo = Hijo<QLineEdit>(*principal, "Angulo");
    QPushButton* Aceptar = Hijo<QPushButton>(*principal, "Aceptar");
    QGroupBox* Diagrama1 = Hijo<QGroupBox>(*principal, "Diagrama1");
    Tablero* Diagrama = Hijo<Tablero>(*principal, "Diagrama");
    QStatusBar* sbEstado = Hijo<QStatusBar>(*principal, "sbEstado");
    std::array<QLabel*, 4> Panel {};
};

// The controls of window p, found again only when p is another window.
inline const Controles& C(const Principal& p)
{
    static std::unique_ptr<Controles> ultimos;
    if (!ultimos || ultimos->principal.data() != &p)
        ultimos = std::make_unique<Controles>(p);
    return *ultimos;
}

#pragma once

// The main window's controls, found by their object names, and its editing state and board pools through its
// read-only view, under the names the window gives them. C(p) finds them once per window.

#include "board/ElementosTablero.h"
#include "board/Principal.h"
#include "board/Tablero.h"

#include <QtWidgets>
#include <array>
#include <memory>

template <typename T> T* Hijo(const QObject& padre, const char* nombre)
{
    T* hijo = padre.findChild<T*>(QString::fromLatin1(nombre));
    if (!hijo)
        qFatal("no control named %s", nombre);
    return hijo;
}

struct Controles {
    explicit Controles(const Principal& p)
        : principal(&p)
    {
        for (int i = 0; i < 6; ++i)
            Herramienta[size_t(i)] = Hijo<QToolButton>(p, qPrintable(QStringLiteral("Herramienta%1").arg(i)));
        for (int i = 1; i <= 3; ++i)
            Panel[size_t(i)] = Hijo<QLabel>(p, qPrintable(QStringLiteral("Panel%1").arg(i)));
    }
    QPointer<const Principal> principal;
    const Modulo& modulo = principal->Ver().modulo;
    const Coordenadas& coordenadas = principal->Ver().coordenadas;
    const Tabla<bool, 4>& Banderas = principal->Ver().estado.Banderas;
    const Herramientas& HerramientaActual = principal->Ver().estado.HerramientaActual;
    const ElementosTablero& elementos = principal->Ver().elementos;
    const decltype(ElementosTablero::Nodo)& Nodo = elementos.Nodo;
    const decltype(ElementosTablero::lbNodo)& lbNodo = elementos.lbNodo;
    const decltype(ElementosTablero::Barra)& Barra = elementos.Barra;
    const decltype(ElementosTablero::lbBarra)& lbBarra = elementos.lbBarra;
    const decltype(ElementosTablero::lbFuerza)& lbFuerza = elementos.lbFuerza;
    const decltype(ElementosTablero::Fuerza)& Fuerza = elementos.Fuerza;
    const decltype(ElementosTablero::lbCarga)& lbCarga = elementos.lbCarga;
    const decltype(ElementosTablero::Apoyo)& Apoyo = elementos.Apoyo;
    const std::unique_ptr<Imagen>& Coordenas = elementos.Coordenas;
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

inline const Controles& C(const Principal& p)
{
    static std::unique_ptr<Controles> ultimos;
    if (!ultimos || ultimos->principal.data() != &p)
        ultimos = std::make_unique<Controles>(p);
    return *ultimos;
}

#pragma once

#include "tools/Editor.h"

struct EventoPuntero;

// An editing tool: what its selection, a press on the board (while armed), a
// pointer move (while armed) and the data panel's Aceptar do. Each keeps its
// own state and reaches the window only through the Editor.
class HerramientaEdicion {
public:
    explicit HerramientaEdicion(Editor& dueno)
        : editor(dueno)
    {
    }
    virtual ~HerramientaEdicion() = default;
    HerramientaEdicion(const HerramientaEdicion&) = delete;
    HerramientaEdicion& operator=(const HerramientaEdicion&) = delete;

    // Any tool's selection first lets every tool drop its unfinished work.
    virtual void Abandonar() { }
    virtual void Seleccionar() = 0;
    virtual void Presionar(const EventoPuntero&) { }
    virtual void Mover(const EventoPuntero&) { }
    virtual void Aceptar() { }
    // Whether, while armed, the next board press is meant to pick a node.
    virtual bool EsperaNodo() const { return false; }

protected:
    Editor& editor;
};

// Supports: the first node picked gets the fixed support, the next the roller.
class HerramientaApoyos : public HerramientaEdicion {
public:
    using HerramientaEdicion::HerramientaEdicion;
    void Seleccionar() override;
    void Presionar(const EventoPuntero& evento) override;
    bool EsperaNodo() const override { return true; }
};

// A load: a node picked on the board, then magnitude and angle on the panel.
class HerramientaCarga : public HerramientaEdicion {
public:
    using HerramientaEdicion::HerramientaEdicion;
    void Abandonar() override;
    void Seleccionar() override;
    void Presionar(const EventoPuntero& evento) override;
    void Aceptar() override;
    bool EsperaNodo() const override { return true; }
};

// A node at the point the panel holds; pointer moves fill the panel.
class HerramientaNodo : public HerramientaEdicion {
public:
    using HerramientaEdicion::HerramientaEdicion;
    void Seleccionar() override;
    void Presionar(const EventoPuntero& evento) override;
    void Mover(const EventoPuntero& evento) override;
    void Aceptar() override;
};

// A bar from a node to a node, to a pressed point, or by typed length and angle.
class HerramientaBarra : public HerramientaEdicion {
public:
    using HerramientaEdicion::HerramientaEdicion;
    void Abandonar() override;
    void Seleccionar() override;
    void Presionar(const EventoPuntero& evento) override;
    void Mover(const EventoPuntero& evento) override;
    void Aceptar() override;
    bool EsperaNodo() const override; // its start, then its end
};

// The drawing's size in metres.
class HerramientaArea : public HerramientaEdicion {
public:
    using HerramientaEdicion::HerramientaEdicion;
    void Seleccionar() override;
    void Aceptar() override;
};

// A new project: the truss erased after the user confirms.
class HerramientaNuevo : public HerramientaEdicion {
public:
    using HerramientaEdicion::HerramientaEdicion;
    void Seleccionar() override;

private:
    void NuevoProyecto();
};

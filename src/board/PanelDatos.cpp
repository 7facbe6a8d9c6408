#include "board/PanelDatos.h"

#include "board/Pixeles.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

PanelDatos::PanelDatos(QWidget* centro)
    : datos(new QGroupBox(QStringLiteral("Parámetros configuración"), centro))
    , label1(new QLabel(QStringLiteral("Longitud(m):"), datos))
    , prin(new QLineEdit(QStringLiteral("0"), datos))
    , label2(new QLabel(QStringLiteral("Ángulo(°):"), datos))
    , angulo(new QLineEdit(QStringLiteral("0"), datos))
    , aceptar(new QPushButton(QStringLiteral("&Aceptar"), datos))
{
    // Tests and the guide's pictures find the controls by these names.
    datos->setObjectName(QStringLiteral("Datos"));
    label1->setObjectName(QStringLiteral("Label1"));
    label2->setObjectName(QStringLiteral("Label2"));
    prin->setObjectName(QStringLiteral("Prin"));
    angulo->setObjectName(QStringLiteral("Angulo"));
    aceptar->setObjectName(QStringLiteral("Aceptar"));
    Ubicar(datos, 120, 1260, 9015, 735);
    Ubicar(label1, 180, 300, 1665, 285);
    Ubicar(prin, 1920, 300, 1185, 285);
    Ubicar(label2, 3240, 300, 1665, 285);
    Ubicar(angulo, 4920, 300, 1185, 285);
    Ubicar(aceptar, 7320, 180, 1575, 465);
    label1->setBuddy(prin);
    label2->setBuddy(angulo);
    // No fixed name: a screen reader names each box by its buddy caption,
    // which changes with the tool ("X(m): ", "Longitud(m): "...).
    prin->setAccessibleDescription(QStringLiteral("Primer valor de los parámetros"));
    angulo->setAccessibleDescription(QStringLiteral("Segundo valor de los parámetros"));
    datos->setEnabled(false);
    QObject::connect(prin, &QLineEdit::returnPressed, aceptar, &QPushButton::click);
    QObject::connect(angulo, &QLineEdit::returnPressed, aceptar, &QPushButton::click);
}

void PanelDatos::Habilitar(bool habilitado)
{
    datos->setEnabled(habilitado);
}

bool PanelDatos::Habilitado() const
{
    return datos->isEnabled();
}

void PanelDatos::Enfocar()
{
    prin->setFocus(Qt::OtherFocusReason);
    prin->selectAll();
}

void PanelDatos::Rotular(const RotulosPanel& rotulos)
{
    datos->setTitle(rotulos.datos);
    label1->setText(rotulos.primero);
    label2->setText(rotulos.segundo);
}

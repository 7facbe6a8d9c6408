#include "board/Dialogos.h"

#include "shell/TituloAplicacion.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace {

// Spanish buttons even where Qt's own Spanish catalogue is missing.
void RotularBotones(QMessageBox& caja)
{
    const std::pair<QMessageBox::StandardButton, const char*> rotulos[] = {
        { QMessageBox::Ok, "Aceptar" },
        { QMessageBox::Yes, "&Sí" },
        { QMessageBox::No, "&No" },
    };
    for (const auto& [boton, texto] : rotulos) {
        if (QAbstractButton* control = caja.button(boton))
            control->setText(QString::fromUtf8(texto));
    }
}

} // namespace

bool PreguntarSiNo(QWidget* dueno, const QString& texto)
{
    QMessageBox pregunta(QMessageBox::Question, TituloAplicacion, texto, QMessageBox::Yes | QMessageBox::No, dueno);
    RotularBotones(pregunta);
    return pregunta.exec() == QMessageBox::Yes;
}

void Advertir(QWidget* dueno, const QString& texto)
{
    QMessageBox aviso(QMessageBox::Warning, TituloAplicacion, texto, QMessageBox::Ok, dueno);
    RotularBotones(aviso);
    aviso.exec();
}

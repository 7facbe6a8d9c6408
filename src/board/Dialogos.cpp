#include "board/Dialogos.h"

#include "shell/TituloAplicacion.h"

#include <QMessageBox>

bool PreguntarSiNo(QWidget* dueno, const QString& texto)
{
    QMessageBox pregunta(QMessageBox::Question, TituloAplicacion, texto, QMessageBox::Yes | QMessageBox::No, dueno);
    return pregunta.exec() == QMessageBox::Yes;
}

void Advertir(QWidget* dueno, const QString& texto)
{
    QMessageBox aviso(QMessageBox::Warning, TituloAplicacion, texto, QMessageBox::Ok, dueno);
    aviso.exec();
}

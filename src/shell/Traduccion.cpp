#include "shell/Traduccion.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstalarTraduccionQt()
{
    auto* traductor = new QTranslator(QCoreApplication::instance());
    if (!traductor->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traductor;
        return false;
    }
    return QCoreApplication::installTranslator(traductor);
}

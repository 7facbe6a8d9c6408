#pragma once

#include <QString>

// The program's name: the application name, the title of its message boxes,
// the splash and the about box.
inline const QString TituloAplicacion = QStringLiteral("Vexo.Parvu.Trabina");

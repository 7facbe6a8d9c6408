#pragma once

// Qt's own texts (context menus, dialog buttons) in Spanish, whatever the
// user's locale: installs Qt's Spanish catalogue from Qt's translations
// folder. False when the catalogue is not there; the program's own texts are
// Spanish either way.
bool InstalarTraduccionQt();

#pragma once
// Qt's own texts (the buttons of message boxes, the file dialog, the text
// boxes' context menus, command-line help) in Spanish whatever the system's
// language, from the toolkit's installed translations.
#include <QString>

class QCoreApplication;
class QTranslator;

namespace haberes {

// The catalogue looked for in the toolkit's translations folder.
inline constexpr const char* kQtSpanishCatalogue = "qtbase_es";

// What the program says on standard error when the catalogue is missing.
inline constexpr const char* kNoQtSpanishMessage =
    "haberes: no están instaladas las traducciones de Qt al castellano (qtbase_es.qm, paquete "
    "qt6-translations-l10n); los botones y diálogos propios de Qt se verán en inglés.\n";

// Installs the Spanish catalogue into app and returns it (owned by app);
// null, and Qt's texts stay in English, when it is not installed.
QTranslator* installQtSpanish(QCoreApplication& app);

// Where the catalogue is looked for.
QString qtTranslationsFolder();

} // namespace haberes

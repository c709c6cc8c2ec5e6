#pragma once
// Qt's file dialog and file messages in the Spanish the rest of the program
// speaks: "archivo" and "carpeta" where Qt's Spanish catalogue says "fichero"
// and "directorio", and "vos". A small catalogue built into the program,
// installed after Qt's so that its texts win.
class QCoreApplication;
class QTranslator;

namespace haberes {

// Where the catalogue is among the program's resources.
inline constexpr const char* kDialogTextsResource = ":/translations/qt_dialogs_es_AR.qm";

// Installs the catalogue into app and returns it (owned by app); null if it
// could not be loaded.
QTranslator* installDialogTexts(QCoreApplication& app);

} // namespace haberes

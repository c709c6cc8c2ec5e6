#include "common/qt_spanish.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace haberes {

QString qtTranslationsFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

QTranslator* installQtSpanish(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    // By name, not by the system's languages: the program speaks Spanish.
    if (!translator->load(QString::fromLatin1(kQtSpanishCatalogue), qtTranslationsFolder()) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

} // namespace haberes

#include "common/dialog_texts.h"

#include <QCoreApplication>
#include <QTranslator>

namespace haberes {

QTranslator* installDialogTexts(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(QString::fromLatin1(kDialogTextsResource)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

} // namespace haberes

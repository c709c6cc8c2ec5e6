// haberes: the teacher's payslip ("Recibo de haberes"), from the entry
// window to the payslip window.
#include "app/display.h"
#include "app/program.h"
#include "common/dialog_texts.h"
#include "common/qt_spanish.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (!haberes::displayConfigured()) {
        std::fputs(haberes::kNoDisplayMessage, stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("haberes"));
    if (!haberes::installQtSpanish(app))
        std::fputs(haberes::kNoQtSpanishMessage, stderr);
    // After Qt's: the last installed is asked first.
    haberes::installDialogTexts(app);

    haberes::Program program;
    // Queued: "Salir" and the close control ask from inside their own events.
    QObject::connect(&program, &haberes::Program::quitRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    program.start();
    return app.exec();
}

// main() of the test programs that create widgets. Before the application
// exists it gives the program a home of its own (no real settings, recent
// files or scales), picks the offscreen display unless one was asked for, gives Qt
// a private runtime directory (the offscreen platform complains without
// one), and fixes the font resolution at 96 dpi so that text metrics do not
// depend on the machine. The default locale is left alone: a test that
// depends on it sets it with QLocale::setDefault.
#include "tests/private_home.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    const haberes::test::PrivateHome home;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // Outlives the application; removed when main returns.
    QTemporaryDir runtimeDir;
    if (runtimeDir.isValid()) {
        QFile::setPermissions(runtimeDir.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    }

    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

// haberes-cli --help: all in Spanish, every option it takes, nothing of
// Qt's own.
#include "cli/help_text.h"

#include <gtest/gtest.h>

#include <QProcess>

using haberes::cli::helpText;

TEST(HelpText, OptionsAlignedUnderTheirHeadings)
{
    const QList<QCommandLineOption> options{
        QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Ayuda.")),
        QCommandLineOption(QStringLiteral("locale"), QStringLiteral("Convenciones."), QStringLiteral("NOMBRE")),
    };
    EXPECT_EQ(helpText(QStringLiteral("Calcula."), options, {QStringLiteral("ARCHIVO"), QStringLiteral("Registros.")}),
              QStringLiteral("Uso: haberes-cli [opciones] [ARCHIVO]\n"
                             "Calcula.\n"
                             "\n"
                             "Opciones:\n"
                             "  -h, --help       Ayuda.\n"
                             "  --locale NOMBRE  Convenciones.\n"
                             "\n"
                             "Argumentos:\n"
                             "  ARCHIVO          Registros.\n"));
}

TEST(HelpText, TheCommandsHelpIsSpanishAndComplete)
{
    QProcess p;
    p.start(QStringLiteral(HABERES_CLI), {QStringLiteral("--help")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0);
    const QString help = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(help.startsWith(QStringLiteral("Uso: haberes-cli [opciones] [ARCHIVO]\n"))) << help.toStdString();
    for (const char* listed : {"-h, --help", "-v, --version", "--locale NOMBRE", "--escala ARCHIVO", "--mostrar-escala",
                               "--escalas", "--explicar", "Muestra la versión y termina."})
        EXPECT_TRUE(help.contains(QString::fromUtf8(listed))) << listed;
    for (const char* english : {"help-all", "Usage", "Options", "Displays", "Arguments", "NAME", "FILE"})
        EXPECT_FALSE(help.contains(QLatin1String(english))) << english;

    QProcess all;
    all.start(QStringLiteral(HABERES_CLI), {QStringLiteral("--help-all")});
    ASSERT_TRUE(all.waitForFinished(60000));
    EXPECT_EQ(all.exitCode(), 2) << "no Qt options to show";
    EXPECT_TRUE(all.readAllStandardOutput().isEmpty());
}

#pragma once
// haberes-cli's usage text for --help, in Spanish and made from the options
// themselves, so that it lists exactly what the command accepts.
#include <QCommandLineOption>
#include <QList>
#include <QString>

namespace haberes::cli {

struct Positional {
    QString name;
    QString description;
};

// "Uso: …", the description, then the options and the argument, one per
// line with their descriptions aligned.
QString helpText(const QString& description, const QList<QCommandLineOption>& options, const Positional& argument);

} // namespace haberes::cli

#include "cli/help_text.h"

#include <algorithm>

namespace haberes::cli {

namespace {

// "-h, --help" or "--locale NOMBRE".
QString optionColumn(const QCommandLineOption& option)
{
    QStringList names;
    for (const QString& name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString column = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        column += u' ' + option.valueName();
    return column;
}

} // namespace

QString helpText(const QString& description, const QList<QCommandLineOption>& options, const Positional& argument)
{
    QList<std::pair<QString, QString>> rows;
    for (const QCommandLineOption& option : options)
        rows.append({optionColumn(option), option.description()});
    qsizetype width = argument.name.size();
    for (const auto& [column, text] : rows)
        width = std::max(width, column.size());
    const auto line = [width](const QString& column, const QString& text) {
        return QStringLiteral("  ") + column.leftJustified(width + 2) + text + u'\n';
    };

    QString help = QStringLiteral("Uso: haberes-cli [opciones] [%1]\n").arg(argument.name) + description +
                   QStringLiteral("\n\nOpciones:\n");
    for (const auto& [column, text] : rows)
        help += line(column, text);
    help += QStringLiteral("\nArgumentos:\n") + line(argument.name, argument.description);
    return help;
}

} // namespace haberes::cli

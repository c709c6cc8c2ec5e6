// haberes-cli: the payslip engine on JSON Lines.
#include "cli/payslip_json.h"
#include "cli/record_json.h"
#include "common/locale_format.h"
#include "common/qt_spanish.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>

using namespace haberes;

namespace {

// The date text changes at most once a second; formatting it for every
// record would dominate a large batch.
class DateText {
public:
    explicit DateText(QLocale locale) : locale_(std::move(locale)) {}
    const std::string& now()
    {
        const std::time_t t = std::time(nullptr);
        if (t != last_) {
            last_ = t;
            text_ = payslipDate(locale_, QDateTime::currentDateTime()).toStdString();
        }
        return text_;
    }

private:
    QLocale locale_;
    std::time_t last_ = -1;
    std::string text_;
};

bool isBlankLine(const std::string& line)
{
    return line.find_first_not_of(" \t\r") == std::string::npos;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("haberes-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HABERES_VERSION));
    // The parser's own help and error texts; without the catalogue they stay in English.
    installQtSpanish(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Calcula recibos de haberes a partir de registros JSON Lines."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption localeOption(QStringLiteral("locale"),
                                    QStringLiteral("Convenciones numéricas y de fecha (es_AR, en_US, C...)."),
                                    QStringLiteral("NAME"));
    parser.addOption(localeOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Archivo JSON Lines; - o nada para la entrada estándar."));
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "haberes-cli: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("haberes-cli %s\n", HABERES_VERSION);
        return 0;
    }
    const QStringList args = parser.positionalArguments();
    if (args.size() > 1) {
        std::fprintf(stderr, "haberes-cli: se espera a lo sumo un archivo\n");
        return 2;
    }

    QLocale locale = QLocale::system();
    if (parser.isSet(localeOption)) {
        auto named = localeByName(parser.value(localeOption));
        if (!named) {
            std::fprintf(stderr, "haberes-cli: configuración regional desconocida: %s\n",
                         qPrintable(parser.value(localeOption)));
            return 2;
        }
        locale = *named;
    }
    const NumberFormat format = numberFormat(locale);
    DateText date(locale);

    std::ifstream file;
    std::istream* input = &std::cin;
    if (!args.isEmpty() && args.first() != QLatin1String("-")) {
        file.open(args.first().toStdString(), std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "haberes-cli: no se puede leer %s\n", qPrintable(args.first()));
            return 2;
        }
        input = &file;
    }
    std::ios::sync_with_stdio(false);

    int status = 0;
    std::string line;
    std::string out;
    while (std::getline(*input, line)) {
        if (isBlankLine(line))
            continue;
        const cli::RecordParse record = cli::parseRecord(line);
        if (!record.entries) {
            out = cli::malformedJson(record.key, record.error);
            status = 1;
        } else {
            CalcResult result = calculate(*record.entries, format);
            if (result.ok()) {
                result.payslip->date = date.now();
                out = cli::payslipJson(*result.payslip);
            } else {
                out = cli::refusalJson(result.refusal);
            }
        }
        out.push_back('\n');
        std::fwrite(out.data(), 1, out.size(), stdout);
        std::fflush(stdout);
    }
    if (input->bad()) {
        std::fprintf(stderr, "haberes-cli: error de lectura\n");
        return 2;
    }
    return status;
}

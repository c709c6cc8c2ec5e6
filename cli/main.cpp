// haberes-cli: the payslip engine on JSON Lines.
#include "cli/arguments.h"
#include "cli/block_writer.h"
#include "cli/help_text.h"
#include "cli/line_reader.h"
#include "cli/scale_options.h"
#include "common/locale_format.h"
#include "common/qt_spanish.h"
#include "record/record_reader.h"
#include "record/result_writer.h"
#include "record/simdjson_source.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

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

bool isBlankLine(std::string_view line)
{
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

// Help and version texts too: a failed write is never a success.
int writeText(const QString& text)
{
    cli::BlockWriter out(STDOUT_FILENO);
    out.buffer().append(text.toStdString());
    if (out.flush())
        return 0;
    std::fprintf(stderr, "%s\n", cli::writeFailureMessage(out.error()).c_str());
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("haberes-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HABERES_VERSION));
    // The parser's error texts; without the catalogue they stay in English.
    installQtSpanish(app);

    // Help and version are this program's own options: Qt's would add
    // English lines and --help-all to the usage.
    QCommandLineParser parser;
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Muestra este modo de uso y termina."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Muestra la versión y termina."));
    const QCommandLineOption localeOption(QStringLiteral("locale"),
                                          QStringLiteral("Convenciones numéricas y de fecha (es_AR, en_US, C...)."),
                                          QStringLiteral("NOMBRE"));
    cli::ScaleOptions scaleOptions;
    const QCommandLineOption explainOption(
        QStringLiteral("explicar"), QStringLiteral("Agrega a cada línea cómo se formó su importe (\"explicacion\")."));
    QList<QCommandLineOption> options{helpOption, versionOption, localeOption};
    options << scaleOptions.options() << explainOption;
    parser.addOptions(options);
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "haberes-cli: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(helpOption))
        return writeText(cli::helpText(QStringLiteral("Calcula recibos de haberes a partir de registros JSON Lines."),
                                       options,
                                       {QStringLiteral("ARCHIVO"),
                                        QStringLiteral("Archivo JSON Lines; - o nada para la entrada estándar.")}));
    if (parser.isSet(versionOption))
        return writeText(QStringLiteral("haberes-cli " HABERES_VERSION "\n"));
    if (const auto status = scaleOptions.apply(parser))
        return *status;
    const PayScale& scale = scaleOptions.scale();
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
    const Explain explain = parser.isSet(explainOption) ? Explain::yes : Explain::no;
    DateText date(locale);

    int fd = STDIN_FILENO;
    if (!args.isEmpty() && args.first() != QLatin1String("-")) {
        const std::string name = cli::argumentBytes(argc, argv, args.first());
        fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            std::fprintf(stderr, "haberes-cli: no se puede leer %s\n", name.c_str());
            return 2;
        }
    }

    // A record's `escala` picks the scale it computes under; a name that
    // cannot be used refuses the record, which is read under the scale in use.
    std::optional<std::string> scaleRefused;
    const record::ScaleFor scaleFor = [&](const std::optional<std::string>& name) -> const PayScale& {
        if (!name)
            return scale;
        cli::ScaleOptions::Named named = scaleOptions.named(*name);
        if (!named.scale) {
            scaleRefused = std::move(named.error);
            return scale;
        }
        return *named.scale;
    };

    record::SimdjsonSource json;
    cli::LineReader reader(fd);
    cli::BlockWriter out(STDOUT_FILENO);
    int status = 0;
    std::string_view line;
    for (;;) {
        // Whoever waits for an answer gets it before this waits for input.
        if (!reader.lineWaiting() && !out.flush())
            break;
        const cli::LineReader::Status got = reader.next(line);
        scaleRefused.reset();
        if (got == cli::LineReader::Status::end || got == cli::LineReader::Status::error)
            break;
        if (got == cli::LineReader::Status::tooLong) {
            record::writeMalformedJson(out.buffer(), std::nullopt,
                                       "Línea demasiado larga: más de " + std::to_string(cli::LineReader::kMaxLine) +
                                           " bytes");
            status = 1;
        } else if (isBlankLine(line)) {
            continue;
        } else if (const record::RecordRead read = record::readRecord(json, line, scaleFor); !read.record) {
            record::writeMalformedJson(out.buffer(), read.key, read.error);
            status = 1;
        } else if (scaleRefused) {
            record::writeMalformedJson(out.buffer(), std::string("escala"), *scaleRefused);
        } else {
            CalcResult result = calculate(read.record->entries, format, *read.scale, explain);
            if (result.ok() && read.record->cobrado) {
                // Paid amounts are read with the locale's separator, as typed.
                const ControlResult control = comparePaid(*result.payslip, *read.record->cobrado, format);
                result.payslip->date = date.now();
                if (control.control)
                    record::writePayslipJson(out.buffer(), *result.payslip, &*control.control);
                else
                    record::writeMalformedJson(out.buffer(), control.field, control.message);
            } else if (result.ok()) {
                result.payslip->date = date.now();
                record::writePayslipJson(out.buffer(), *result.payslip);
            } else {
                record::writeRefusalJson(out.buffer(), result.refusal);
            }
        }
        out.buffer().append("\n");
        if (!out.flushFull())
            break;
    }
    if (!out.flush()) {
        std::fprintf(stderr, "%s\n", cli::writeFailureMessage(out.error()).c_str());
        return 2;
    }
    if (reader.error() != 0) {
        std::fprintf(stderr, "haberes-cli: error de lectura\n");
        return 2;
    }
    return status;
}

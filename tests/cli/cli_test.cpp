// haberes-cli end to end: the built binary on JSON Lines.
#include "record/record_reader.h"
#include "record/result_writer.h"
#include "record/simdjson_source.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryFile>

namespace {

struct CliRun {
    int exitCode = -1;
    QList<QByteArray> lines;
    QByteArray err;
};

CliRun runCli(const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    p.start(QStringLiteral(HABERES_CLI), args);
    EXPECT_TRUE(p.waitForStarted());
    p.write(input);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(60000));
    CliRun r;
    r.exitCode = p.exitCode();
    r.lines = p.readAllStandardOutput().split('\n');
    if (!r.lines.isEmpty() && r.lines.back().isEmpty())
        r.lines.pop_back();
    r.err = p.readAllStandardError();
    return r;
}

QJsonObject object(const QByteArray& line)
{
    QJsonParseError e;
    QJsonDocument d = QJsonDocument::fromJson(line, &e);
    EXPECT_EQ(e.error, QJsonParseError::NoError) << line.constData();
    return d.object();
}

QByteArray golden(const QString& name)
{
    QFile f(QStringLiteral(HABERES_TEST_DATA "/golden/") + name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(name);
    return f.readAll();
}

} // namespace

// The deductions total is the sum of the deduction lines shown.
void expectTotalsOfThePrintedLines(const QJsonObject& payslip)
{
    double deductions = 0;
    for (const QJsonValue& l : payslip.value("lines").toArray())
        if (l.toObject().value("column").toString() == QLatin1String("deductions"))
            deductions += l.toObject().value("amount").toString().toDouble();
    EXPECT_NEAR(payslip.value("totals").toObject().value("totaldesc").toString().toDouble(), deductions, 1e-6);
}

class GoldenPayslips : public testing::TestWithParam<const char*> {};

TEST_P(GoldenPayslips, MatchLineForLine)
{
    const QString locale = QString::fromLatin1(GetParam());
    const CliRun run = runCli({QStringLiteral("--locale"), locale, QStringLiteral(HABERES_TEST_DATA "/golden/") + locale + ".in.jsonl"});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    QList<QByteArray> expected = golden(locale + ".out.jsonl").split('\n');
    if (expected.back().isEmpty())
        expected.pop_back();
    ASSERT_EQ(run.lines.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QJsonObject want = object(expected[i]);
        QJsonObject got = object(run.lines[i]);
        SCOPED_TRACE("record " + std::to_string(i + 1));
        if (want.value("ok").toBool()) {
            EXPECT_FALSE(got.value("date").toString().isEmpty());
            got.remove("date");
            EXPECT_EQ(got, want) << run.lines[i].constData();
            expectTotalsOfThePrintedLines(got);
        } else {
            EXPECT_FALSE(got.value("ok").toBool(true));
            EXPECT_EQ(got.value("field"), want.value("field")) << run.lines[i].constData();
            if (want.value("field").isNull())
                EXPECT_EQ(got.value("error"), want.value("error"));
            else
                EXPECT_FALSE(got.value("error").toString().isEmpty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, GoldenPayslips, testing::Values("es_AR", "en_US"));

TEST(Cli, MalformedLinesAreReportedAndTheRestStillRun)
{
    const QByteArray input = "{\"horasmedio\": true, \"numerohorasmed\": \"2,5\"}\n"
                             "\n"
                             "   \n"
                             "not json\n"
                             "{\"colour\": \"red\"}\n"
                             "{\"cargo\": \"yes\"}\n"
                             "{\"cargo\": true, \"horassup\": true}\n"
                             "{\"antiguedad\": 13}\n"
                             "{\"zona\": 1.5}\n"
                             "{\"hijos\": 2}\n"
                             "[1, 2]\n"
                             "{\"horassup\": true}\n";
    const CliRun run = runCli({QStringLiteral("--locale"), QStringLiteral("es_AR")}, input);
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.lines.size(), 10); // blank lines are skipped
    EXPECT_EQ(object(run.lines[0]).value("lines").toArray()[0].toObject().value("text").toString(), QStringLiteral("$144,7848"));
    const char* fields[] = {nullptr, "colour", "cargo", nullptr, "antiguedad", "zona", "hijos", nullptr};
    for (int i = 0; i < 8; ++i) {
        QJsonObject o = object(run.lines[i + 1]);
        EXPECT_FALSE(o.value("ok").toBool(true)) << i;
        EXPECT_FALSE(o.value("error").toString().isEmpty()) << i;
        if (fields[i])
            EXPECT_EQ(o.value("field").toString(), fields[i]) << i;
        else
            EXPECT_TRUE(o.value("field").isNull()) << i;
    }
    EXPECT_TRUE(object(run.lines[9]).value("ok").toBool());
}

TEST(Cli, RefusalsAreNormalResults)
{
    const QByteArray input = "{}\n{\"cargo\": true, \"codigocargo\": \"123\"}\n"
                             "{\"horasmedio\": true, \"hijos\": 1, \"cantidadhijos\": \"256\"}\n";
    const CliRun run = runCli({QStringLiteral("--locale"), QStringLiteral("en_US")}, input);
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 3);
    EXPECT_EQ(object(run.lines[0]).value("error").toString(), QStringLiteral("No seleccionaste cargo ni horas"));
    EXPECT_EQ(object(run.lines[1]).value("field").toString(), QStringLiteral("punbas"));
    EXPECT_EQ(object(run.lines[2]).value("error").toString(),
              QStringLiteral("La cantidad de \"Hijos\" es demasiado grande: como máximo 255 hijos"));
}

TEST(Cli, LocaleDecidesTheSeparatorBothWays)
{
    const QByteArray input = "{\"horassup\": true, \"numerohorassup\": \"12.5\"}\n";
    const CliRun point = runCli({QStringLiteral("--locale"), QStringLiteral("C")}, input);
    ASSERT_EQ(point.lines.size(), 1);
    QJsonObject p = object(point.lines[0]);
    EXPECT_EQ(p.value("header").toObject().value("punbasicos").toString(), QStringLiteral("1086.25"));
    const CliRun comma = runCli({QStringLiteral("--locale"), QStringLiteral("es_AR")}, input);
    EXPECT_EQ(object(comma.lines[0]).value("field").toString(), QStringLiteral("numerohorassup"));
}

TEST(Cli, EscapesTextsItEchoes)
{
    const QByteArray input = "{\"horasmedio\": true, \"docente\": \"Tab\\there \\\"q\\\" \\u0001 ñ\"}\n";
    const CliRun run = runCli({QStringLiteral("--locale"), QStringLiteral("es_AR")}, input);
    ASSERT_EQ(run.lines.size(), 1);
    EXPECT_EQ(object(run.lines[0]).value("docente").toString(), QString::fromUtf8("Tab\there \"q\" \x01 ñ"));
}

TEST(Cli, UsageErrorsAndUnreadableFiles)
{
    EXPECT_EQ(runCli({QStringLiteral("--locale"), QStringLiteral("xx_NOPE")}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("/nonexistent/records.jsonl")}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("a"), QStringLiteral("b")}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("--bogus")}).exitCode, 2);
    const CliRun version = runCli({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.lines.value(0).startsWith("haberes-cli "));
    EXPECT_EQ(runCli({QStringLiteral("--help")}).exitCode, 0);
    // "-" is standard input.
    const CliRun dash = runCli({QStringLiteral("-")}, "{\"horasmedio\": true}\n");
    EXPECT_EQ(dash.lines.size(), 1);
}

TEST(Cli, AgreesWithTheEngineOnManyRecords)
{
    // Positions, both hour levels, refusals and malformed lines, in a cycle.
    const char* codes[] = {"604", "822", "650", "734", "999", "703", "651", "936", "123", ""};
    QByteArray input;
    std::vector<std::string> records;
    for (int i = 0; i < 1500; ++i) {
        std::string r = "{\"docente\": \"D" + std::to_string(i) + "\", ";
        switch (i % 4) {
        case 0: r += std::string("\"cargo\": true, \"codigocargo\": \"") + codes[i % 10] + "\", "; break;
        case 1: r += "\"horasmedio\": true, \"numerohorasmed\": \"" + std::to_string(i % 41) + ",25\", "; break;
        case 2: r += "\"horassup\": true, \"numhorasincen\": \"" + std::to_string(i % 30) + "\", "; break;
        default: r += i % 8 == 3 ? "\"cargo\": 1, " : ""; break;
        }
        r += "\"antiguedad\": " + std::to_string(i % 13) + ", \"zona\": " + std::to_string(i % 6 - 1) +
             ", \"dinasist\": \"" + std::to_string(i % 5) + "\", \"hijos\": 1, \"cantidadhijos\": \"" +
             std::to_string(i % 250) + "\", \"ZUTEL\": " + std::to_string(i % 2) + "}";
        records.push_back(r);
        input += QByteArray::fromStdString(r) + "\n";
    }
    const CliRun run = runCli({QStringLiteral("--locale"), QStringLiteral("es_AR")}, input);
    ASSERT_EQ(run.lines.size(), qsizetype(records.size()));
    const haberes::NumberFormat comma{","};
    haberes::record::SimdjsonSource json;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const haberes::record::RecordRead read = haberes::record::readRecord(json, records[i]);
        std::string expected;
        if (!read.record) {
            expected = haberes::record::malformedJson(read.key, read.error);
        } else {
            haberes::CalcResult r = haberes::calculate(read.record->entries, comma);
            expected = r.ok() ? haberes::record::payslipJson(*r.payslip) : haberes::record::refusalJson(r.refusal);
        }
        QJsonObject got = object(run.lines[qsizetype(i)]);
        QJsonObject want = object(QByteArray::fromStdString(expected));
        got.remove("date");
        want.remove("date");
        ASSERT_EQ(got, want) << records[i];
    }
}

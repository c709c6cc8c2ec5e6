// haberes-cli --explicar: each line says how its amount was formed, the same
// text the payslip window shows; without it the output has no such key. The
// comment of a saved entries file is accepted and not used.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

QJsonObject runOne(const QStringList& args, const QByteArray& record)
{
    QProcess p;
    p.start(QStringLiteral(HABERES_CLI), args);
    EXPECT_TRUE(p.waitForStarted());
    p.write(record + "\n");
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

const QByteArray kRecord = R"({"cargo": true, "codigocargo": "604", "antiguedad": 12, "hijos": 1,)"
                           R"( "cantidadhijos": "3", "ZUTEL": 1, "comentario": "revisar"})";

TEST(CliExplain, EveryLineExplainedInTheLocalesNumbers)
{
    const QJsonObject out = runOne({"--locale", "es_AR", "--explicar"}, kRecord);
    ASSERT_TRUE(out.value("ok").toBool()) << QJsonDocument(out).toJson().constData();
    const QJsonArray lines = out.value("lines").toArray();
    ASSERT_GT(lines.size(), 5);
    for (const QJsonValue& v : lines) {
        const QJsonObject line = v.toObject();
        const QString text = line.value("explicacion").toString();
        EXPECT_FALSE(text.isEmpty()) << line.value("code").toString().toStdString();
        EXPECT_TRUE(text.contains(line.value("text").toString().remove(QLatin1Char('$')).trimmed()))
            << text.toStdString();
    }
    EXPECT_EQ(lines.at(0).toObject().value("explicacion").toString(), "3146 puntos × $ 0,8947 = $ 2814,7262");

    const QJsonObject point = runOne({"--locale", "en_US", "--explicar"}, kRecord);
    EXPECT_EQ(point.value("lines").toArray().at(0).toObject().value("explicacion").toString(),
              "3146 puntos × $ 0.8947 = $ 2814.7262");
}

TEST(CliExplain, NotAskedNotWritten)
{
    const QJsonObject out = runOne({"--locale", "es_AR"}, kRecord);
    ASSERT_TRUE(out.value("ok").toBool());
    for (const QJsonValue& v : out.value("lines").toArray())
        EXPECT_FALSE(v.toObject().contains("explicacion"));
}

} // namespace

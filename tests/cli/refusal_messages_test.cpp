// haberes-cli says of a refused box exactly what the windows say: what is
// wrong and what to type, in the locale it was given.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

QJsonObject refusalOf(const QString& locale, const QByteArray& record)
{
    QProcess p;
    p.start(QStringLiteral(HABERES_CLI), {QStringLiteral("--locale"), locale});
    EXPECT_TRUE(p.waitForStarted());
    p.write(record + "\n");
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
    const QJsonObject result = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    EXPECT_FALSE(result.value("ok").toBool(true)) << record.constData();
    return result;
}

struct Case {
    const char* kind;
    const char* locale;
    const char* hours; // typed into "Número de horas N. Medio"
    const char* message;
};

class CliRefusals : public testing::TestWithParam<Case> {};

} // namespace

TEST_P(CliRefusals, NameTheFieldAndSayWhatToType)
{
    const Case c = GetParam();
    const QJsonObject input{{"horasmedio", true}, {"numerohorasmed", QString::fromUtf8(c.hours)}};
    const QByteArray record = QJsonDocument(input).toJson(QJsonDocument::Compact);
    const QJsonObject r = refusalOf(QString::fromLatin1(c.locale), record);
    EXPECT_EQ(r.value("field").toString(), "numerohorasmed");
    EXPECT_EQ(r.value("error").toString(), QString::fromUtf8(c.message));
}

INSTANTIATE_TEST_SUITE_P(
    BothLocales, CliRefusals,
    testing::Values(
        Case{"Empty", "es_AR", "", "\"Número de horas N. Medio\" está vacío: escribí un número, por ejemplo 0"},
        Case{"OtherMark", "es_AR", "2.5", "\"Número de horas N. Medio\" tiene un punto: usá la coma decimal: 2,5"},
        Case{"Letters", "es_AR", "abc",
             "\"Número de horas N. Medio\" no es un número: escribí solo cifras y la coma decimal, por ejemplo 12,5"},
        Case{"OutOfRange", "es_AR", "2000000",
             "\"Número de horas N. Medio\" es demasiado grande: como máximo 1000000 horas"},
        Case{"Empty", "en_US", "", "\"Número de horas N. Medio\" está vacío: escribí un número, por ejemplo 0"},
        Case{"OtherMark", "en_US", "2,5", "\"Número de horas N. Medio\" tiene una coma: usá el punto decimal: 2.5"},
        Case{"Letters", "en_US", "abc",
             "\"Número de horas N. Medio\" no es un número: escribí solo cifras y el punto decimal, por ejemplo 12.5"},
        Case{"OutOfRange", "en_US", "-2000000",
             "\"Número de horas N. Medio\" es demasiado chico: como mínimo -1000000 horas"}),
    [](const testing::TestParamInfo<Case>& info) {
        return std::string(info.param.locale) + "_" + info.param.kind;
    });

// haberes-cli with pay scales: --mostrar-escala, --escala, --escalas and the
// "escala" key of each payslip.
#include <gtest/gtest.h>

#include <functional>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QList<QByteArray> lines() const
    {
        QList<QByteArray> l = out.split('\n');
        if (!l.isEmpty() && l.back().isEmpty())
            l.pop_back();
        return l;
    }
};

// The data folders are the test's own: no scale of the machine is seen.
class ScaleCli : public testing::Test {
protected:
    QTemporaryDir home;
    QTemporaryDir system;

    QString userFolder() const { return home.filePath(QStringLiteral("haberes/escalas")); }
    QString systemFolder() const { return system.filePath(QStringLiteral("haberes/escalas")); }

    CliResult run(const QStringList& args, const QByteArray& input = {}) const
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
        env.insert(QStringLiteral("XDG_DATA_DIRS"), system.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(HABERES_CLI), args);
        EXPECT_TRUE(p.waitForStarted());
        p.write(input);
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    }

    QByteArray builtinScale() const
    {
        const CliResult r = run({QStringLiteral("--mostrar-escala")});
        EXPECT_EQ(r.exitCode, 0);
        return r.out;
    }

    // The built-in scale with some values replaced.
    static QByteArray edited(const QByteArray& json, const std::function<void(QJsonObject&)>& edit)
    {
        QJsonObject o = QJsonDocument::fromJson(json).object();
        edit(o);
        return QJsonDocument(o).toJson();
    }

    static QString write(const QString& folder, const QString& name, const QByteArray& bytes)
    {
        QDir().mkpath(folder);
        const QString path = QDir(folder).filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    static QByteArray golden(const QString& name)
    {
        QFile f(QStringLiteral(HABERES_TEST_DATA "/golden/") + name);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
};

QJsonObject withoutDate(const QByteArray& line)
{
    QJsonObject o = QJsonDocument::fromJson(line).object();
    o.remove(QStringLiteral("date"));
    return o;
}

const QByteArray kPosition734 = R"({"cargo": true, "codigocargo": "734", "antiguedad": 4, "zona": 1, "Iosper": 1})";

QString amountOf(const QJsonObject& payslip, const QString& code)
{
    for (const QJsonValue& l : payslip.value(QStringLiteral("lines")).toArray())
        if (l.toObject().value(QStringLiteral("code")).toString() == code)
            return l.toObject().value(QStringLiteral("amount")).toString();
    return {};
}

} // namespace

TEST_F(ScaleCli, BuiltinScaleWrittenAndReadBackComputesEveryGoldenPayslipIdentically)
{
    const QString file = write(home.path(), QStringLiteral("julio.json"), builtinScale());
    for (const char* name : {"es_AR", "en_US"}) {
        const QString locale = QString::fromLatin1(name);
        const QString input = QStringLiteral(HABERES_TEST_DATA "/golden/") + locale + QStringLiteral(".in.jsonl");
        const CliResult builtin = run({QStringLiteral("--locale"), locale, input});
        const CliResult fromFile = run({QStringLiteral("--locale"), locale, QStringLiteral("--escala"), file, input});
        EXPECT_EQ(fromFile.exitCode, builtin.exitCode);
        const QList<QByteArray> a = builtin.lines(), b = fromFile.lines();
        ASSERT_EQ(a.size(), b.size());
        ASSERT_EQ(a.size(), golden(locale + QStringLiteral(".out.jsonl")).count('\n'));
        for (qsizetype i = 0; i < a.size(); ++i)
            EXPECT_EQ(withoutDate(a[i]), withoutDate(b[i])) << locale.toStdString() << " record " << i + 1;
    }
    // And the file it was read from is what it writes.
    EXPECT_EQ(run({QStringLiteral("--escala"), file, QStringLiteral("--mostrar-escala")}).out, builtinScale());
}

TEST_F(ScaleCli, EveryPayslipNamesItsScale)
{
    const QByteArray raised = edited(builtinScale(), [](QJsonObject& o) {
        o[QStringLiteral("nombre")] = QStringLiteral("Desde Marzo de 2.011");
        o[QStringLiteral("valor_punto")] = 0.98417;
    });
    const QString file = write(home.path(), QStringLiteral("marzo.json"), raised);
    const QJsonObject builtin = withoutDate(run({}, kPosition734).lines().value(0));
    const QJsonObject marzo = withoutDate(run({QStringLiteral("--escala"), file}, kPosition734).lines().value(0));
    EXPECT_EQ(builtin.value(QStringLiteral("escala")).toString(), QStringLiteral("Desde Julio de 2.010"));
    EXPECT_EQ(marzo.value(QStringLiteral("escala")).toString(), QStringLiteral("Desde Marzo de 2.011"));
    // The point value raised by a tenth: 1500 × 0.98417 and 101 × 0.98417.
    EXPECT_EQ(amountOf(marzo, QStringLiteral("001")), QStringLiteral("1476.255"));
    EXPECT_EQ(amountOf(marzo, QStringLiteral("002")), QStringLiteral("99.4012"));
    EXPECT_EQ(amountOf(marzo, QStringLiteral("006")), amountOf(builtin, QStringLiteral("006")));
    // A refusal is not a payslip: no scale named.
    const QJsonObject refused = withoutDate(run({QStringLiteral("--escala"), file}, "{}").lines().value(0));
    EXPECT_FALSE(refused.contains(QStringLiteral("escala")));
}

TEST_F(ScaleCli, AnInvalidScaleFileIsAUsageErrorAndComputesNothing)
{
    const QByteArray broken = edited(builtinScale(), [](QJsonObject& o) {
        QJsonObject hours = o.value(QStringLiteral("horas_medio")).toObject();
        hours[QStringLiteral("puntos_por_hora")] = -64.73;
        o[QStringLiteral("horas_medio")] = hours;
    });
    const QString file = write(home.path(), QStringLiteral("mala.json"), broken);
    const CliResult r = run({QStringLiteral("--escala"), file}, kPosition734);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
    const QString err = QString::fromUtf8(r.err);
    EXPECT_TRUE(err.contains(file)) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("«horas_medio.puntos_por_hora»"))) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("un número entre 0 y 1000"))) << err.toStdString();

    const CliResult missing = run({QStringLiteral("--escala"), home.filePath(QStringLiteral("no-existe.json"))});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(QString::fromUtf8(missing.err).contains(QStringLiteral("no-existe.json")));
    EXPECT_EQ(run({QStringLiteral("--escala"), file, QStringLiteral("--mostrar-escala")}).exitCode, 2);
}

TEST_F(ScaleCli, ScalesListedNewestFirstWithWhereTheyComeFrom)
{
    const QByteArray base = builtinScale();
    auto named = [&](const char* name, const char* month) {
        return edited(base, [&](QJsonObject& o) {
            o[QStringLiteral("nombre")] = QString::fromUtf8(name);
            o[QStringLiteral("vigencia")] = QString::fromLatin1(month);
        });
    };
    const QString marzo = write(userFolder(), QStringLiteral("marzo.json"), named("Desde Marzo de 2.011", "2011-03"));
    const QString agosto = write(systemFolder(), QStringLiteral("agosto.json"), named("Desde Agosto de 2.012", "2012-08"));
    // The user's file of one name hides the system's.
    write(systemFolder(), QStringLiteral("marzo.json"), named("Oculta", "2013-01"));
    write(userFolder(), QStringLiteral("rota.json"), "{\"nombre\": ");
    write(userFolder(), QStringLiteral("notas.txt"), "no es una escala");

    const CliResult r = run({QStringLiteral("--escalas")});
    EXPECT_EQ(r.exitCode, 0);
    const QList<QByteArray> lines = r.lines();
    ASSERT_EQ(lines.size(), 3) << r.out.constData();
    EXPECT_EQ(QString::fromUtf8(lines[0]), QStringLiteral("2012-08\tDesde Agosto de 2.012\t") + agosto);
    EXPECT_EQ(QString::fromUtf8(lines[1]), QStringLiteral("2011-03\tDesde Marzo de 2.011\t") + marzo);
    EXPECT_EQ(QString::fromUtf8(lines[2]), QStringLiteral("2010-07\tDesde Julio de 2.010\tincorporada"));
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("rota.json"))) << r.err.constData();
}

// A record's "escala" picks the installed scale of that name, the built-in
// one included; a name not installed is refused, field "escala", and the
// records around it are computed as usual.
TEST_F(ScaleCli, ARecordPicksTheInstalledScaleItNames)
{
    write(userFolder(), QStringLiteral("marzo.json"), edited(builtinScale(), [](QJsonObject& o) {
              o[QStringLiteral("nombre")] = QStringLiteral("Desde Marzo de 2.011");
              o[QStringLiteral("vigencia")] = QStringLiteral("2011-03");
              o[QStringLiteral("valor_punto")] = 0.98417;
          }));
    const auto named = [](const char* name) {
        QJsonObject o = QJsonDocument::fromJson(kPosition734).object();
        o[QStringLiteral("escala")] = QString::fromUtf8(name);
        return QJsonDocument(o).toJson(QJsonDocument::Compact);
    };
    const CliResult r = run({}, named("Desde Marzo de 2.011") + '\n' + named("Desde Julio de 2.010") + '\n' +
                                    named("Desde Abril de 2.012") + '\n' + kPosition734 + '\n' +
                                    named("Desde Marzo de 2.011") + '\n');
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    const QList<QByteArray> lines = r.lines();
    ASSERT_EQ(lines.size(), 5) << r.out.constData();
    const QJsonObject marzo = withoutDate(lines[0]);
    const QJsonObject julio = withoutDate(lines[1]);
    EXPECT_EQ(marzo.value(QStringLiteral("escala")).toString(), QStringLiteral("Desde Marzo de 2.011"));
    // 1500 × 0.98417 and 101 × 0.98417, as under --escala.
    EXPECT_EQ(amountOf(marzo, QStringLiteral("001")), QStringLiteral("1476.255"));
    EXPECT_EQ(amountOf(marzo, QStringLiteral("002")), QStringLiteral("99.4012"));
    EXPECT_EQ(julio.value(QStringLiteral("escala")).toString(), QStringLiteral("Desde Julio de 2.010"));
    EXPECT_EQ(amountOf(julio, QStringLiteral("001")), QStringLiteral("1342.05"));
    EXPECT_EQ(QString::fromUtf8(lines[2]),
              QStringLiteral(R"({"ok": false, "field": "escala", "error": "La escala «Desde Abril de 2.012» no está instalada"})"));
    // Without the key, the built-in scale as always.
    EXPECT_EQ(withoutDate(lines[3]), julio);
    EXPECT_EQ(withoutDate(lines[4]), marzo);
}

// With --escala FILE a record may name only FILE's scale.
TEST_F(ScaleCli, WithAScaleFileARecordNamingAnotherIsRefused)
{
    const QString file = write(home.path(), QStringLiteral("marzo.json"), edited(builtinScale(), [](QJsonObject& o) {
                                   o[QStringLiteral("nombre")] = QStringLiteral("Desde Marzo de 2.011");
                                   o[QStringLiteral("valor_punto")] = 0.98417;
                               }));
    const CliResult r = run({QStringLiteral("--escala"), file},
                            R"({"horasmedio": true, "numerohorasmed": "10", "escala": "Desde Marzo de 2.011"})"
                            "\n"
                            R"({"horasmedio": true, "numerohorasmed": "10", "escala": "Desde Julio de 2.010"})"
                            "\n"
                            R"({"escala": 2011})"
                            "\n");
    EXPECT_EQ(r.exitCode, 1) << "the last line is malformed";
    const QList<QByteArray> lines = r.lines();
    ASSERT_EQ(lines.size(), 3) << r.out.constData();
    const QJsonObject accepted = withoutDate(lines[0]);
    EXPECT_TRUE(accepted.value(QStringLiteral("ok")).toBool());
    EXPECT_EQ(accepted.value(QStringLiteral("escala")).toString(), QStringLiteral("Desde Marzo de 2.011"));
    EXPECT_EQ(QString::fromUtf8(lines[1]),
              QStringLiteral(R"({"ok": false, "field": "escala", "error": "Los datos son de la escala «Desde Julio )"
                             R"(de 2.010» y se calcula con la escala «Desde Marzo de 2.011»"})"));
    EXPECT_EQ(QString::fromUtf8(lines[2]),
              QStringLiteral(R"({"ok": false, "field": "escala", "error": "\"escala\" debe ser un texto"})"));
}

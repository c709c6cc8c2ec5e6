// The windows show the very payslip the engine computes, and the very one
// haberes-cli prints for the same entries.
#include "tests/app/program_fixture.h"

#include "common/locale_format.h"
#include "engine/calculate.h"
#include "entry/entries_from_windows.h"
#include "entry/entry_window.h"
#include "payslip/payslip_window.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

using namespace haberes;
using namespace haberes::test;

namespace {

class SamePayslip : public ProgramTest {
protected:
    // A teacher with a position and nearly every allowance and deduction.
    void enterPosition()
    {
        type(box("docente"), "Núñez, José");
        choosePosition("734");
        click(button("Option10"));
        pick(control<QComboBox>(entry(), "zona"), 2);
        click(button("transporte"));
        type(box("cantkm"), "150");
        click(button("inasist"));
        type(box("dinasist"), "2,5");
        click(button("hijos"));
        type(box("cantidadhijos"), "3");
        click(button("hijosdisc"));
        type(box("cantidadhijosdisc"), "1");
        click(button("conyuge"));
        for (const char* name : {"Iosper", "APORTEJUB", "Ley4035", "ZUTEL", "cajacomp", "Seguro3011"})
            click(button(name));
    }
    static constexpr const char* kPositionRecord =
        R"({"docente": "Núñez, José", "cargo": true, "codigocargo": "734", "antiguedad": 10, "zona": 2,)"
        R"( "transporte": 1, "cantkm": "150", "dinasist": "2,5", "hijos": 1, "cantidadhijos": "3",)"
        R"( "hijosdisc": 1, "cantidadhijosdisc": "1", "conyuge": 1, "Iosper": 1, "APORTEJUB": 1,)"
        R"( "Ley4035": 1, "ZUTEL": 1, "cajacomp": 1, "Seguro3011": 1})";

    void enterHours()
    {
        type(box("docente"), "Ruiz, Eva");
        click(button("horassup"));
        type(box("numerohorassup"), "18,5");
        type(box("numhorascod06"), "12");
        type(box("numhorasincen"), "20");
        type(box("numhorascod113"), "6");
        click(button("opincentivo"));
        click(button("Option3"));
        click(button("Osplad"));
        click(button("APORTEJUB"));
    }
    static constexpr const char* kHoursRecord =
        R"({"docente": "Ruiz, Eva", "horassup": true, "numerohorassup": "18,5", "numhorascod06": "12",)"
        R"( "numhorasincen": "20", "numhorascod113": "6", "opincentivo": 0, "antiguedad": 3, "Osplad": 1,)"
        R"( "APORTEJUB": 1})";

    Payslip engineResult() const
    {
        CalcResult r = calculate(entriesFromWindows(*entry()), numberFormat(QLocale()));
        EXPECT_TRUE(r.ok()) << r.refusal.message;
        return r.payslip.value_or(Payslip{});
    }

    // haberes-cli's answer for one record, under the tests' locale.
    static QJsonObject cli(const char* record)
    {
        QProcess p;
        p.start(QStringLiteral(HABERES_CLI), {QStringLiteral("--locale"), QStringLiteral("es_AR")});
        p.write(record);
        p.write("\n");
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(60000)) << "haberes-cli did not finish";
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    }

    void expectShowsCli(const QJsonObject& out) const
    {
        ASSERT_TRUE(out.value("ok").toBool());
        const QJsonArray lines = out.value("lines").toArray();
        ASSERT_GT(lines.size(), 1);
        for (int r = 0; r < 27; ++r) {
            SCOPED_TRACE("row " + std::to_string(r));
            if (r >= lines.size()) {
                EXPECT_FALSE(cellShown("cod", r));
                continue;
            }
            const QJsonObject line = lines.at(r).toObject();
            EXPECT_EQ(cell("cod", r), line.value("code").toString());
            EXPECT_EQ(cell("Label19", r), line.value("concept").toString());
            EXPECT_EQ(cellShown("Label10", r), !line.value("quantity").isNull());
            if (!line.value("quantity").isNull()) {
                EXPECT_EQ(cell("Label10", r), line.value("quantity").toString());
            }
            const int at = line.value("column").toString() == "earnings" ? r : r + 27;
            EXPECT_TRUE(cellShown("Label1", at));
            EXPECT_EQ(cell("Label1", at), line.value("text").toString());
        }
        const QJsonObject totals = out.value("totals").toObject();
        EXPECT_EQ(payslipText("thaberes"), totals.value("thaberes").toString());
        EXPECT_EQ(payslipText("tdescuentos"), totals.value("tdescuentos").toString());
        EXPECT_EQ(payslipText("liquido"), totals.value("liquido").toString());
        EXPECT_EQ(payslipText("docente"), out.value("docente").toString());
        const QJsonObject header = out.value("header").toObject();
        EXPECT_EQ(payslipText("numcargo"), header.value("numcargo").toString());
        EXPECT_EQ(payslipText("punbasicos"), header.value("punbasicos").toString());
        EXPECT_EQ(payslipText("carsel"), header.value("carsel").toString());
    }
};

TEST_F(SamePayslip, PositionAsTheEngineComputesIt)
{
    enterPosition();
    calcular();
    ASSERT_TRUE(notices.isEmpty()) << notices.join('\n').toStdString();
    const Payslip p = engineResult();
    EXPECT_GE(p.fila(), 20);
    expectShows(p);
}

TEST_F(SamePayslip, PositionAsHaberesCliPrintsIt)
{
    enterPosition();
    calcular();
    expectShowsCli(cli(kPositionRecord));
}

TEST_F(SamePayslip, HoursAsHaberesCliPrintsIt)
{
    enterHours();
    calcular();
    expectShowsCli(cli(kHoursRecord));
}

} // namespace

// The scale as a parameter: a calculation prices with the scale it is given,
// figure by figure, and nothing of the built-in scale leaks in.
#include "engine_fixtures.h"

#include <set>

using namespace haberes;
using namespace haberes::test;

namespace {

Payslip payslipUnder(const PayEntries& e, const PayScale& scale)
{
    CalcResult r = calculate(e, kComma, scale);
    EXPECT_TRUE(r.ok()) << r.refusal.message;
    return r.ok() ? *r.payslip : Payslip{};
}

// Codes (with the concept, for the two 052 lines) whose amount differs.
std::set<std::string> changedLines(const Payslip& a, const Payslip& b)
{
    std::set<std::string> changed;
    EXPECT_EQ(codes(a), codes(b));
    for (std::size_t i = 0; i < a.lines.size() && i < b.lines.size(); ++i)
        if (a.lines[i].amount != b.lines[i].amount)
            changed.insert(std::string(a.lines[i].code));
    return changed;
}

} // namespace

TEST(Scale, PointValueRaisedByATenthMovesExactlyItsLines)
{
    PayScale raised = builtinScale();
    raised.valorPunto = 0.98417; // 0.8947 × 1.1
    PayEntries e = position("734"); // 1500 basic, 101 complement, 150 differentiated-work points
    selectSeniority(e, 4);          // 30 %
    e.zona = 1;                     // 20 %
    e.Iosper = e.APORTEJUB = 1;

    const Payslip before = payslipOf(e);
    const Payslip after = payslipUnder(e, raised);
    // Worked by hand: 1500 × 0.98417, 101 × 0.98417 = 99.40117, 150 × 0.98417;
    // seniority 30 % and zone 20 % of their sum 1723.2817.
    EXPECT_EQ(amountOf(after, "001"), money("1476.255"));
    EXPECT_EQ(amountOf(after, "002"), money("99.4012"));
    EXPECT_EQ(amountOf(after, "016"), money("147.6255"));
    EXPECT_EQ(amountOf(after, "010"), money("516.9845"));
    EXPECT_EQ(amountOf(after, "078"), money("344.6563"));
    // The table amount of 006 and the fixed national amounts do not move.
    EXPECT_EQ(amountOf(after, "006"), amountOf(before, "006"));
    EXPECT_EQ(amountOf(after, "113"), money("100"));
    EXPECT_EQ(changedLines(before, after),
              (std::set<std::string>{"001", "002", "016", "010", "078", "188", "505", "502"}));
    EXPECT_NE(after.totalliq, before.totalliq);
}

TEST(Scale, HoursArePricedAtTheScalesPointValue)
{
    PayScale raised = builtinScale();
    raised.valorPunto = 0.98417;
    // (20 × 64.73) × 0.98417 = 1274.106482.
    const Payslip p = payslipUnder(secondaryHours("20"), raised);
    EXPECT_EQ(amountOf(p, "001"), money("1274.1065"));
    EXPECT_EQ(p.header.punbasicos, "1294,6"); // the points do not depend on the value
}

TEST(Scale, EachFigureComesFromTheScale)
{
    PayScale s = builtinScale();
    s.zona[1] = 25;
    s.antiguedad[3] = 33;
    s.cantidadProduct = "0.75";
    s.cantidadPlus = "8.0";
    s.ley4035 = {0.01, "1 %"};
    s.conyuge = Currency::pesos(20);
    s.horasMedio.horasMostradas113 = 28;

    PayEntries e = secondaryHours("10");
    e.numhorascod113 = "29";
    selectSeniority(e, 4, s);
    e.zona = 1;
    e.Ley4035 = 1;
    e.conyuge = 1;
    const Payslip p = payslipUnder(e, s);
    EXPECT_EQ(line(p, "010")->quantity, "33 %");
    EXPECT_EQ(line(p, "078")->quantity, "25 %");
    EXPECT_EQ(line(p, "014")->quantity, "0,75");
    EXPECT_EQ(line(p, "188")->quantity, "8.0");
    EXPECT_EQ(line(p, "504")->quantity, "1 %");
    EXPECT_EQ(line(p, "113")->quantity, "28");
    EXPECT_EQ(amountOf(p, "1010"), money("20"));
    // 1 % of the base.
    const Payslip builtin = payslipOf(e);
    EXPECT_EQ(line(builtin, "504")->quantity, "0,6 %");
}

TEST(Scale, PositionsComeFromTheScalesTable)
{
    PayScale s = builtinScale();
    s.cargos = PositionTable({{"700", "Cargo nuevo", "1000", "0", "0", "0", "10"}});
    PayEntries e;
    e.cargo = true;
    choosePositionByCode(e, "700", s);
    EXPECT_EQ(e.cargox, "Cargo nuevo");
    EXPECT_EQ(e.compbas, "10");
    choosePositionByCode(e, "604", s); // only in the built-in table
    EXPECT_EQ(e.cargox, "");
    EXPECT_EQ(e.punbas, "");
}

TEST(Scale, PositionTableFindsTheFirstRowOfACodeAndNoMalformedCode)
{
    const PositionTable t({{"700", "A", "1", "0", "0", "0", "0"},
                           {"700", "B", "2", "0", "0", "0", "0"},
                           {"599", "C", "3", "0", "0", "0", "0"}});
    EXPECT_EQ(t.find("700"), 0u);
    EXPECT_FALSE(t.find("599"));
    EXPECT_FALSE(t.find("701"));
    EXPECT_FALSE(PositionTable().find("600"));
}

TEST(Scale, AChildRateOfZeroPaysNothingAndRefusesNoCount)
{
    PayScale s = builtinScale();
    s.montosHijo = {0, 0, 0};
    s.montoHijoDiferenciado = 0;
    PayEntries e = secondaryHours("10");
    e.hijos = e.hijosdisc = 1;
    e.cantidadhijos = "200";
    e.cantidadhijosdisc = "55";
    const Payslip p = payslipUnder(e, s);
    EXPECT_EQ(amountOf(p, "1001"), Currency());
    EXPECT_EQ(amountOf(p, "1002"), Currency());
    EXPECT_EQ(line(p, "1003")->quantity, "255");
}

// Kilometre and family allowances, and the limits of the child counts.
#include "engine/groups.h"
#include "engine_fixtures.h"

using namespace haberes;
using namespace haberes::test;

TEST(Transport, KilometreCapBetween300And301)
{
    const std::pair<const char*, const char*> cases[] = {
        {"0", "0"}, {"1", "0.7814"}, {"300", "234.4128"}, {"301", "234.61"}, {"1000", "234.61"}, {"32767", "234.61"},
    };
    for (auto [km, amount] : cases) {
        PayEntries e = position("999");
        e.transporte = 1;
        e.cantkm = km;
        Payslip p = payslipOf(e);
        ASSERT_TRUE(line(p, "029")) << km;
        EXPECT_EQ(amountOf(p, "029"), money(amount)) << km;
        EXPECT_EQ(line(p, "029")->quantity, "");
    }
    PayEntries off = position("999");
    off.cantkm = "300"; // not ticked: not read, no line
    EXPECT_FALSE(line(payslipOf(off), "029"));
}

TEST(Family, RatePerChildByBracketEarnings)
{
    EXPECT_EQ(childAllowanceRate(builtinScale(), money("2400")), 180);
    EXPECT_EQ(childAllowanceRate(builtinScale(), money("2400.0001")), 136);
    EXPECT_EQ(childAllowanceRate(builtinScale(), money("3600")), 136);
    EXPECT_EQ(childAllowanceRate(builtinScale(), money("3600.0001")), 91);
    EXPECT_EQ(childAllowanceRate(builtinScale(), money("-5")), 180);
}

TEST(Family, KilometresDoNotMoveTheBracket)
{
    // 36 secondary hours earn $ 2230,8446 toward the bracket, under the
    // first bound of $ 2400; the capped kilometre allowance ($ 234,61) would
    // carry it over the bound and drop the rate from 180 to 136 a child.
    PayEntries e = secondaryHours("36");
    e.hijos = 1;
    e.cantidadhijos = "2";
    e.transporte = 1;
    e.cantkm = "1000";
    Payslip slip = payslipOf(e);
    ASSERT_EQ(amountOf(slip, "029"), Currency::fromTicks(2346100));
    EXPECT_EQ(amountOf(slip, "1001"), Currency::pesos(2 * 180));
}

// 1000 basic points in "Zona Inhóspita", two children. Without line 172
// the bracket earnings are 894.7 (001) + 99 (006) + 6.93 (014) + 137.7838
// (188) + 1073.64 (078) + 100 (113) = 2312.0538, inside the first bracket
// (180 a child); the top-up of 545.1527 carries them to 2857.2065, into the
// second (136 a child).
TEST(Family, TheMinimumTopUpCountsTowardTheBracket)
{
    PayEntries e = points("1000");
    selectSeniority(e, 1);
    e.zona = 4;
    e.opincentivo = 0;
    e.hijos = 1;
    e.cantidadhijos = "2";
    const Payslip p = payslipOf(e);
    ASSERT_EQ(amountOf(p, "172"), money("545.1527"));
    EXPECT_EQ(amountOf(p, "1001"), money("272"));
    // 894.7 + 99 + 6.93 + 100 + 137.7838 + 545.1527 + 1073.64 + 272
    EXPECT_EQ(p.totalhab, money("3129.2065"));
}

TEST(Family, LinesAndCounts)
{
    PayEntries e = position("604");
    e.hijos = 1;
    e.cantidadhijos = "0";
    Payslip zero = payslipOf(e);
    ASSERT_TRUE(line(zero, "1001"));
    EXPECT_EQ(line(zero, "1001")->quantity, "0");
    EXPECT_EQ(line(zero, "1001")->text, "$ 0");

    e.cantidadhijos = "2";
    e.hijosdisc = 1;
    e.cantidadhijosdisc = "1";
    Payslip three = payslipOf(e);
    EXPECT_EQ(amountOf(three, "1002"), Currency::pesos(720));
    EXPECT_EQ(line(three, "1003")->quantity, "3");
    EXPECT_EQ(amountOf(three, "1003"), Currency::pesos(3));

    PayEntries unticked = position("604");
    unticked.cantidadhijos = "3"; // "Hijos" not ticked: counts as none
    Payslip none = payslipOf(unticked);
    EXPECT_FALSE(line(none, "1001"));
    EXPECT_FALSE(line(none, "1003"));

    PayEntries spouse = position("604");
    spouse.conyuge = 1;
    Payslip s = payslipOf(spouse);
    EXPECT_EQ(amountOf(s, "1010"), Currency::pesos(15));
    EXPECT_FALSE(line(s, "1010")->quantity);
}

TEST(Family, CountsWhoseAllowanceWouldNotFitAreRefused)
{
    struct Case {
        const char* children;
        const char* disabled; // nullptr: box not ticked
        std::optional<Field> refused;
    };
    // 0 hours keep the bracket at the 180 rate: 182 children fit, 183 do not.
    const Case cases[] = {
        {"182", nullptr, std::nullopt},
        {"183", nullptr, Field::cantidadhijos},
        {"0", "45", std::nullopt},
        {"0", "46", Field::cantidadhijosdisc},
        {"182", "45", std::nullopt}, // 227 children in all, within 255
        {"183", "abc", Field::cantidadhijos},    // the earlier field is named first
        {"1", "abc", Field::cantidadhijosdisc},
    };
    for (const Case& c : cases) {
        PayEntries e = secondaryHours("0");
        e.hijos = 1;
        e.cantidadhijos = c.children;
        if (c.disabled) {
            e.hijosdisc = 1;
            e.cantidadhijosdisc = c.disabled;
        }
        CalcResult r = calculate(e, kComma);
        SCOPED_TRACE(std::string(c.children) + " / " + (c.disabled ? c.disabled : "-"));
        if (!c.refused) {
            EXPECT_TRUE(r.ok()) << r.refusal.message;
            continue;
        }
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.refusal.field, c.refused);
        EXPECT_FALSE(r.refusal.message.empty());
    }
}

TEST(Family, SumOfChildrenStaysWithin255)
{
    // A high bracket (rate 91) lets 255 children through alone.
    PayEntries e = position("703");
    selectSeniority(e, 12);
    e.hijos = 1;
    e.cantidadhijos = "255";
    EXPECT_EQ(amountOf(payslipOf(e), "1001"), Currency::pesos(255 * 91));
    e.hijosdisc = 1;
    e.cantidadhijosdisc = "1";
    CalcResult r = calculate(e, kComma);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.refusal.field, Field::cantidadhijosdisc);
    EXPECT_EQ(r.refusal.message, "La cantidad de \"Hijos Diferenc\" es demasiado grande: como máximo 0 hijos");
}

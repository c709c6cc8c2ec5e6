// Statutory additions, the absence share and the minimum-pay top-up.
#include "engine_fixtures.h"

using namespace haberes;
using namespace haberes::test;

TEST(Additions, MinimumPayWorkedExample)
{
    PayEntries e = points("1000");
    selectSeniority(e, 1);
    e.zona = 0;
    e.opincentivo = 0;
    Payslip p = payslipOf(e);
    EXPECT_EQ(codes(p), "001 006 014 113 188 172");
    EXPECT_EQ(amountOf(p, "001"), money("894.7"));
    EXPECT_EQ(amountOf(p, "006"), money("99"));
    EXPECT_EQ(amountOf(p, "014"), money("6.93"));
    EXPECT_EQ(amountOf(p, "113"), money("100"));
    EXPECT_EQ(amountOf(p, "188"), money("62.629"));
    EXPECT_EQ(amountOf(p, "172"), money("620.3075"));
    EXPECT_EQ(line(p, "172")->quantity, "");
}

TEST(Additions, MinimumBoundsAreExcluded)
{
    const std::pair<const char*, bool> cases[] = {{"900", false}, {"901", true}, {"1299", true}, {"1300", false}};
    for (auto [basic, has172] : cases)
        EXPECT_EQ(line(payslipOf(points(basic)), "172") != nullptr, has172) << basic;
    // Hours never top up.
    EXPECT_FALSE(line(payslipOf(secondaryHours("1")), "172"));
}

TEST(Additions, Line006BandsOfBasicPoints)
{
    // Option5 row of the table for positions under 620 full-day points.
    const std::pair<const char*, int> bands[] = {
        {"-5", 646},  {"971", 646},  {"972", 261},  {"1169", 261}, {"1170", 311}, {"1400", 311},
        {"1401", 248}, {"1942", 248}, {"1943", 224}, {"2220", 224}, {"2221", 174}, {"32767", 174},
    };
    for (auto [basic, amount] : bands) {
        PayEntries e = points(basic);
        selectSeniority(e, 5);
        EXPECT_EQ(amountOf(payslipOf(e), "006"), Currency::pesos(amount)) << basic;
    }
}

TEST(Additions, FullDayThresholds600And620)
{
    struct Case {
        const char* fullDay;
        int a006, a084, a113;
    };
    const Case cases[] = {
        {"500", 252, 165, 100}, {"599", 252, 165, 100}, {"600", 252, 330, 200},
        {"610", 252, 330, 200}, {"619", 252, 330, 200}, {"620", 559, 330, 200},
    };
    for (const Case& c : cases) {
        PayEntries e = points("1500", c.fullDay);
        selectSeniority(e, 7);
        Payslip p = payslipOf(e);
        EXPECT_EQ(amountOf(p, "006"), Currency::pesos(c.a006)) << c.fullDay;
        EXPECT_EQ(amountOf(p, "084"), Currency::pesos(c.a084)) << c.fullDay;
        EXPECT_EQ(amountOf(p, "113"), Currency::pesos(c.a113)) << c.fullDay;
    }
    // Table B splits at 971 basic points; no option selected reads as Option1.
    EXPECT_EQ(amountOf(payslipOf(points("971", "657")), "006"), Currency::pesos(99));
    PayEntries b = points("972", "657");
    selectSeniority(b, 4);
    EXPECT_EQ(amountOf(payslipOf(b), "006"), Currency::pesos(435));
}

TEST(Additions, IncentiveOnlyWhenTicked)
{
    PayEntries e = position("999");
    e.opincentivo = 0;
    EXPECT_FALSE(line(payslipOf(e), "084"));
    e.opincentivo = 1;
    EXPECT_EQ(line(payslipOf(e), "084")->quantity, "");
}

TEST(Additions, AbsenceShareOfThePlus)
{
    struct Case {
        const char* days;
        double share; // of line 188; negative: no line 440
    };
    const Case cases[] = {{"0", -1}, {"1", 0.25}, {"2", 0.5}, {"3", 0.75}, {"4", 1}, {"10", 1},
                          {"1,5", -1}, {"2,5", -1}, {"-1", -1}, {"3,0", 0.75}, {"3,0001", 1}};
    for (const Case& c : cases) {
        PayEntries e = position("604");
        e.dinasist = c.days;
        Payslip p = payslipOf(e);
        const Currency plus = amountOf(p, "188");
        const PayslipLine* l = line(p, "440");
        if (c.share < 0) {
            EXPECT_FALSE(l) << c.days;
            continue;
        }
        ASSERT_TRUE(l) << c.days;
        EXPECT_EQ(l->amount, c.share == 1 ? plus : Currency::fromDouble(plus.toDouble() * c.share)) << c.days;
        EXPECT_EQ(l->quantity, c.days);
        EXPECT_EQ(l->column, Column::deductions);
    }
}

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

// 1000 basic points, "Menos de 1 año", no incentive, no absences, in each
// zone. Worked by hand:
//   asigcat 1000 x 0.8947 = 894.7; 006 = 99 (table A, 972 to 1169);
//   014 = 99 x 0.07 = 6.93; 113 = 100 (under 600 full-day points)
//   078 = 894.7 x zone % / 100;  188 = (894.7 + 078) x 0.07
//   sumaminimo = 894.7 + 188 + 100
//   zone share = 078 x 1.07;  aportes = (894.7 + 078 + 188 - share) x 0.196
//   172 = 1490 - (sumaminimo - aportes)
// The share takes back the zone and the 7 % of it in 188, so the
// contributions are 957.329 x 0.196 = 187.636484 in every zone.
TEST(Additions, MinimumInEveryZone)
{
    struct Case {
        int zona;
        const char* zone;    // 078
        const char* plus;    // 188
        const char* minimum; // 172
    };
    const Case cases[] = {
        // 1057.329 - 187.636484 = 869.692516; 1490 - it = 620.307484
        {0, nullptr, "62.629", "620.3075"},
        // 178.94 x 1.07 = 191.4658; 1069.8548 - 187.636484 = 882.218316; 607.781684
        {1, "178.94", "75.1548", "607.7817"},
        // 357.88 x 1.07 = 382.9316; 1082.3806 - 187.636484 = 894.744116; 595.255884
        {2, "357.88", "87.6806", "595.2559"},
        // 715.76 x 1.07 = 765.8632; 1107.4322 - 187.636484 = 919.795716; 570.204284
        {3, "715.76", "112.7322", "570.2043"},
        // 1073.64 x 1.07 = 1148.7948; 1132.4838 - 187.636484 = 944.847316; 545.152684
        {4, "1073.64", "137.7838", "545.1527"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zona);
        PayEntries e = points("1000");
        selectSeniority(e, 1);
        e.zona = c.zona;
        e.opincentivo = 0;
        const Payslip p = payslipOf(e);
        if (c.zone)
            EXPECT_EQ(amountOf(p, "078"), money(c.zone));
        else
            EXPECT_FALSE(line(p, "078"));
        EXPECT_EQ(amountOf(p, "188"), money(c.plus));
        EXPECT_EQ(amountOf(p, "172"), money(c.minimum));
    }
}

// Position 822 (971 basic, 170 complement, 155 full-day points), "Entre 2
// y 5 años", zone "Desfavorable", incentive, two days of absence:
//   001 971 x 0.8947 = 868.7537; 002 170 x 0.8947 = 152.099;
//   052 155 x 1.094 = 169.57; base 1190.4227
//   010 x 15 % = 178.5634; 078 x 40 % = 476.1691; 006 555; 014 38.85
//   084 165; 113 100; 188 1845.1552 x 0.07 = 129.1609; 440 64.5804
//   baseremun 2503.5857; sumaminimo 169.57 + 868.7537 + 152.099 +
//   178.5634 + 129.1609 + 165 + 100 = 1763.147
//   share 476.1691 x 1.07 = 509.5009 (509.500937)
//   aportes (2503.5857 - 555 - 38.85 - 509.5009) x 0.196 = 1400.2348 x 0.196
//     = 274.4460208; 1763.147 - it = 1488.7009792; 172 = 1.2990208
TEST(Additions, MinimumJustBelowTheGuaranteeWithSeniorityZoneAndIncentive)
{
    PayEntries e = position("822");
    selectSeniority(e, 3);
    e.zona = 2;
    e.dinasist = "2";
    const Payslip p = payslipOf(e);
    EXPECT_EQ(amountOf(p, "010"), money("178.5634"));
    EXPECT_EQ(amountOf(p, "078"), money("476.1691"));
    EXPECT_EQ(amountOf(p, "188"), money("129.1609"));
    EXPECT_EQ(amountOf(p, "440"), money("64.5804"));
    EXPECT_EQ(amountOf(p, "172"), money("1.299"));
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
        const char* withheld; // line 440; none: no line
    };
    // 188 of position 604: 3146 x 0.8947 x 0.07 = 2814.7262 x 0.07 = 197.0308
    // (197.030834); a quarter 49.2577, half 98.5154, three quarters 147.7731.
    const Case cases[] = {{"0", nullptr},     {"1", "49.2577"},    {"2", "98.5154"},  {"3", "147.7731"},
                          {"4", "197.0308"},  {"10", "197.0308"},  {"1,5", nullptr},  {"2,5", nullptr},
                          {"-1", nullptr},    {"3,0", "147.7731"}, {"3,0001", "197.0308"}};
    for (const Case& c : cases) {
        PayEntries e = position("604");
        e.dinasist = c.days;
        Payslip p = payslipOf(e);
        const Currency plus = amountOf(p, "188");
        const PayslipLine* l = line(p, "440");
        ASSERT_EQ(plus, money("197.0308"));
        if (!c.withheld) {
            EXPECT_FALSE(l) << c.days;
            continue;
        }
        ASSERT_TRUE(l) << c.days;
        EXPECT_EQ(l->amount, money(c.withheld)) << c.days;
        EXPECT_EQ(l->quantity, c.days);
        EXPECT_EQ(l->column, Column::deductions);
    }
}

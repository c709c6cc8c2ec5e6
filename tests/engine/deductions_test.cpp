// Deductions on the remunerative base.
#include "engine_fixtures.h"

using namespace haberes;
using namespace haberes::test;

namespace {

// The remunerative base rebuilt from the printed lines: the category block,
// seniority, zone, 006, 014 and 188, less the absence share.
Currency baseFromLines(const Payslip& p)
{
    Currency base;
    bool jornada = false;
    for (int i = 0; i < p.fila(); ++i) {
        const PayslipLine& l = p.lines[static_cast<std::size_t>(i)];
        const std::string_view c = l.code;
        if (c == "052") {
            if (jornada)
                continue;
            jornada = true;
        }
        if (c == "001" || c == "002" || c == "052" || c == "016" || c == "010" || c == "078" || c == "006" ||
            c == "014" || c == "188")
            base += l.amount;
        if (c == "440")
            base = base - l.amount;
    }
    return base;
}

} // namespace

TEST(Deductions, NoneTickedMeansNoDeductionSide)
{
    Payslip p = payslipOf(position("604"));
    for (int i = 0; i < p.fila(); ++i)
        EXPECT_EQ(p.lines[static_cast<std::size_t>(i)].column, Column::earnings);
    EXPECT_EQ(p.totaldesc, Currency());
    EXPECT_EQ(p.tdescuentos, "$ 0");
}

TEST(Deductions, PercentagesOfTheBaseInTheirOrder)
{
    // A position with the minimum top-up, incentive, kilometres and children:
    // none of those may enter the base.
    PayEntries e = position("822");
    selectSeniority(e, 3);
    e.zona = 2;
    e.dinasist = "2";
    e.transporte = e.hijos = 1;
    e.cantkm = "100";
    e.cantidadhijos = "1";
    e.Iosper = e.Osplad = e.APORTEJUB = e.Ley4035 = e.ZUTEL = e.cajacomp = e.Seguro3011 = 1;
    Payslip p = payslipOf(e, kPoint);
    // 001 868.7537 + 002 152.099 + 052 169.57 + 010 178.5634 + 078 476.1691
    // + 006 555 + 014 38.85 + 188 129.1609 - 440 64.5804 = 2503.5857
    const Currency base = baseFromLines(p);
    ASSERT_EQ(base, money("2503.5857"));
    ASSERT_EQ(amountOf(p, "084"), money("165"));

    struct Expect {
        const char* code;
        const char* quantity;
        const char* amount;
    };
    const Expect order[] = {
        {"505", "3 %", "75.1076"},    // 2503.5857 x 0.03 = 75.107571
        {"508", "3 %", "75.1076"},    // the same
        {"502", "16 %", "400.5737"},  // x 0.16 = 400.573712
        {"504", "0,6 %", "15.0215"},  // x 0.006 = 15.0215142
        {"332", "2 %", "53.3717"},    // (2503.5857 + 165 of 084) x 0.02 = 53.371714
        {"512", "4,5 %", "112.6614"}, // x 0.045 = 112.6613565
        {"510", "2 %", "50.0717"},    // x 0.02 = 50.071714
    };
    int row = line(p, "440")->row + 1;
    for (const Expect& x : order) {
        const PayslipLine& l = p.lines[static_cast<std::size_t>(row++)];
        EXPECT_EQ(l.code, x.code);
        EXPECT_EQ(l.quantity, x.quantity); // commas even under a decimal-point locale
        EXPECT_EQ(l.amount, money(x.amount)) << x.code;
    }
    // 440 64.5804 and the seven above
    EXPECT_EQ(p.totaldesc, money("846.4956"));
    EXPECT_EQ(row, p.fila());
}

TEST(Deductions, AbsenceLowersThePensionContribution)
{
    PayEntries e = position("604");
    e.APORTEJUB = 1;
    Payslip full = payslipOf(e);
    e.dinasist = "2";
    Payslip absent = payslipOf(e);
    const Currency withheld = amountOf(absent, "440");
    // Base 2814.7262 (001) + 197.0308 (188) = 3011.757; 502 = 16 % of it,
    // 481.88112. Two days withhold half of 188, 98.5154: 2913.2416 x 0.16 =
    // 466.118656.
    EXPECT_EQ(amountOf(full, "502"), money("481.8811"));
    EXPECT_EQ(withheld, money("98.5154"));
    EXPECT_EQ(amountOf(absent, "502"), money("466.1187"));
    EXPECT_GT(withheld, Currency());
}

// Invariants of every payslip over a large, fixed sample of entries: every
// position under every seniority option and zone, both hour levels over a
// range of hours, and rotating family and deduction choices.
#include "engine_fixtures.h"

using namespace haberes;
using namespace haberes::test;

namespace {

// Deterministic variety for the boxes that are not being swept.
void vary(PayEntries& e, unsigned k)
{
    e.opincentivo = k % 2;
    e.dinasist = std::to_string(k % 6);
    e.transporte = (k / 2) % 2;
    e.cantkm = std::to_string(k * 37 % 420);
    e.hijos = (k / 3) % 2;
    e.cantidadhijos = std::to_string(k % 5);
    e.hijosdisc = (k / 5) % 2;
    e.cantidadhijosdisc = std::to_string(k % 3);
    e.conyuge = (k / 7) % 2;
    int* boxes[] = {&e.Iosper, &e.Osplad, &e.APORTEJUB, &e.Ley4035, &e.ZUTEL, &e.cajacomp, &e.Seguro3011};
    for (unsigned b = 0; b < 7; ++b)
        *boxes[b] = (k >> b) & 1;
}

void checkInvariants(const PayEntries& e, const NumberFormat& format)
{
    CalcResult r = calculate(e, format);
    ASSERT_TRUE(r.ok()) << r.refusal.message;
    const Payslip& p = *r.payslip;
    ASSERT_GE(p.fila(), 1);
    ASSERT_LE(p.fila(), Payslip::kRows - 1); // at most 26 lines are ever appended

    Currency earnings, deductions;
    bool inDeductions = false;
    const PayslipLine* jornada = nullptr;
    for (int i = 0; i < p.fila(); ++i) {
        const PayslipLine& l = p.lines[static_cast<std::size_t>(i)];
        ASSERT_EQ(l.row, i);
        if (l.column == Column::deductions)
            inDeductions = true;
        ASSERT_EQ(l.column == Column::deductions, inDeductions) << "earnings after deductions at row " << i;
        const std::string prefix = l.code == "001" ? "$" : "$ ";
        ASSERT_EQ(l.text, prefix + formatAmount(l.amount, format.decimalSeparator));
        if (l.code == "052") {
            if (jornada) {
                ASSERT_EQ(l.amount, jornada->amount); // both show the same sum, counted once
                continue;
            }
            jornada = &l;
        }
        (l.column == Column::earnings ? earnings : deductions) += l.amount;
    }
    ASSERT_EQ(p.totalhab, earnings);
    ASSERT_EQ(p.totaldesc, deductions);
    ASSERT_EQ(p.totalliq, earnings - deductions);
    ASSERT_EQ(p.thaberes, "$ " + formatAmount(p.totalhab, format.decimalSeparator));
    ASSERT_EQ(p.liquido, "$ " + formatAmount(p.totalliq, format.decimalSeparator));

    CalcResult again = calculate(e, format);
    ASSERT_TRUE(again.ok());
    ASSERT_EQ(again.payslip->fila(), p.fila());
    for (int i = 0; i < p.fila(); ++i) {
        const auto& a = p.lines[static_cast<std::size_t>(i)];
        const auto& b = again.payslip->lines[static_cast<std::size_t>(i)];
        ASSERT_TRUE(a.code == b.code && a.text == b.text && a.quantity == b.quantity);
    }
}

} // namespace

TEST(Invariants, EveryPositionSeniorityAndZone)
{
    unsigned k = 0;
    for (const PositionRecord& row : builtinScale().cargos) {
        PayEntries e = position(std::string(row.codigocargo));
        for (int option = 0; option <= 12; ++option) {
            selectSeniority(e, option);
            for (int zona = -1; zona <= 4; ++zona) {
                e.zona = zona;
                vary(e, ++k);
                checkInvariants(e, k % 2 ? kComma : kPoint);
                if (testing::Test::HasFatalFailure()) {
                    ADD_FAILURE() << "position " << row.codigocargo << " option " << option << " zone " << zona;
                    return;
                }
            }
        }
    }
}

TEST(Invariants, BothHourLevelsOverARangeOfHours)
{
    unsigned k = 0;
    for (int level = 0; level < 2; ++level) {
        for (int tenths = -20; tenths <= 600; tenths += 7) {
            const std::string hours = std::to_string(tenths / 10) + "," + std::to_string(std::abs(tenths % 10));
            PayEntries e = level ? tertiaryHours(hours) : secondaryHours(hours);
            if (tenths < 0 && tenths > -10)
                e.numerohorasmed = e.numerohorassup = "-" + hours;
            e.numhorascod06 = std::to_string(k % 40);
            e.numhorasincen = std::to_string(k % 33) + ",5";
            e.numhorascod113 = std::to_string(k % 35);
            selectSeniority(e, static_cast<int>(k % 13));
            e.zona = static_cast<int>(k % 6) - 1;
            vary(e, ++k);
            checkInvariants(e, kComma);
            ASSERT_FALSE(testing::Test::HasFatalFailure()) << "hours " << hours;
        }
    }
}

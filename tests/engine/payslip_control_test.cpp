// Paid against due: every computed code once (shared codes summed), codes
// paid but not computed after them, the net pay, the one-cent margin, and
// the refusals of bad keys and amounts.
#include "engine/payslip_control.h"

#include <gtest/gtest.h>

using namespace haberes;

namespace {

Currency ticks(std::int64_t t) { return Currency::fromTicks(t); }

// 001 $ 1000, two 052 lines of $ 10,50 and $ 2,25, 510 $ 30 withheld; net $ 982,75.
Payslip sample()
{
    Payslip p;
    p.decimalSeparator = ",";
    p.append("001", "Asign. de la categoría", "1", Currency::pesos(1000), Column::earnings);
    p.append("052", "Adicional", "", ticks(105000), Column::earnings);
    p.append("052", "Adicional", "", ticks(22500), Column::earnings);
    p.append("510", "Aporte", "3 %", Currency::pesos(30), Column::deductions);
    p.totalliq = ticks(9827500);
    return p;
}

const NumberFormat kComma{","};

TEST(PayslipControl, NothingTypedListsEveryComputedCodeOnceWithoutDifferences)
{
    const ControlResult r = comparePaid(sample(), {}, kComma);
    ASSERT_TRUE(r.control);
    ASSERT_EQ(r.control->lines.size(), 3u);
    EXPECT_EQ(r.control->lines[0].code, "001");
    EXPECT_EQ(r.control->lines[1].code, "052");
    EXPECT_EQ(r.control->lines[1].due, ticks(127500)); // 10,50 + 2,25
    EXPECT_EQ(r.control->lines[2].code, "510");
    for (const ControlLine& l : r.control->lines) {
        EXPECT_FALSE(l.paid) << l.code;
        EXPECT_FALSE(l.difference) << l.code;
        EXPECT_FALSE(l.differs()) << l.code;
    }
    EXPECT_EQ(r.control->liquido.due, ticks(9827500));
    EXPECT_FALSE(r.control->liquido.paid);
}

TEST(PayslipControl, OneCentEitherWayIsNotADifferenceOneTickMoreIs)
{
    struct Row { const char* paid; std::int64_t difference; bool differs; };
    const Row rows[] = {
        {"1000", 0, false},       {"1000,01", 100, false},  {"999,99", -100, false},
        {"1000,0101", 101, true}, {"999,9899", -101, true}, {"1001", 10000, true},
        {"0", -10000000, true},
    };
    for (const Row& row : rows) {
        const ControlResult r = comparePaid(sample(), {{"001", row.paid}}, kComma);
        ASSERT_TRUE(r.control) << row.paid;
        const ControlLine& l = r.control->lines[0];
        EXPECT_EQ(l.difference, ticks(row.difference)) << row.paid;
        EXPECT_EQ(l.differs(), row.differs) << row.paid;
    }
}

TEST(PayslipControl, SharedCodesAreComparedAsTheirSum)
{
    const ControlResult r = comparePaid(sample(), {{"052", "12,75"}}, kComma);
    ASSERT_TRUE(r.control);
    EXPECT_EQ(r.control->lines[1].difference, Currency());
    EXPECT_FALSE(r.control->lines[1].differs());
    const ControlResult less = comparePaid(sample(), {{"052", "10,50"}}, kComma);
    EXPECT_EQ(less.control->lines[1].difference, ticks(-22500));
    EXPECT_TRUE(less.control->lines[1].differs());
}

TEST(PayslipControl, CodesPaidButNotComputedFollowInTheOrderGiven)
{
    const ControlResult r = comparePaid(sample(), {{"9", "5"}, {"001", "1000"}, {"1003", "40,5"}}, kComma);
    ASSERT_TRUE(r.control);
    ASSERT_EQ(r.control->lines.size(), 5u);
    EXPECT_EQ(r.control->lines[3].code, "9");
    EXPECT_FALSE(r.control->lines[3].due);
    EXPECT_EQ(r.control->lines[3].difference, Currency::pesos(5));
    EXPECT_EQ(r.control->lines[4].code, "1003");
    EXPECT_EQ(r.control->lines[4].difference, ticks(405000));
    EXPECT_TRUE(r.control->lines[4].differs());
    // "9" is not "009": a code is matched as printed.
    EXPECT_EQ(r.control->lines[0].difference, Currency());
}

TEST(PayslipControl, TheNetPayIsComparedUnderItsOwnKey)
{
    const ControlResult r = comparePaid(sample(), {{"liquido", "950"}}, kComma);
    ASSERT_TRUE(r.control);
    EXPECT_EQ(r.control->liquido.paid, Currency::pesos(950));
    EXPECT_EQ(r.control->liquido.difference, ticks(-327500));
    EXPECT_TRUE(r.control->liquido.differs());
    EXPECT_EQ(r.control->lines.size(), 3u);
}

TEST(PayslipControl, TheUsersSeparatorAndNegativeAmountsAreRead)
{
    const ControlResult point = comparePaid(sample(), {{"510", "-30.5"}}, NumberFormat{"."});
    ASSERT_TRUE(point.control);
    EXPECT_EQ(point.control->lines[2].difference, ticks(-605000));
    // Five decimals round to four, halves to even.
    const ControlResult halves = comparePaid(sample(), {{"510", "30,00005"}}, kComma);
    EXPECT_EQ(halves.control->lines[2].difference, Currency());
}

TEST(PayslipControl, BadAmountsAndKeysAreRefusedNamingTheKey)
{
    struct Row { const char* key; const char* text; const char* field; const char* message; };
    const Row rows[] = {
        {"001", "", "cobrado.001", "Lo cobrado en la línea 001 está vacío: escribí un número, por ejemplo 0"},
        {"001", "12.5", "cobrado.001", "Lo cobrado en la línea 001 tiene un punto: usá la coma decimal: 12,5"},
        {"liquido", "mil", "cobrado.liquido",
         "Lo cobrado como líquido no es un número: escribí solo cifras y la coma decimal, por ejemplo 1234,56"},
        {"001", "2000000000000", "cobrado.001",
         "Lo cobrado en la línea 001 es demasiado grande: como máximo 1000000000000 pesos"},
        {"00001", "1", "cobrado.00001",
         "«00001» no es un código de línea: usá el código como figura en el recibo, de una a cuatro cifras (por "
         "ejemplo 001), o «liquido» para el líquido a pagar"},
        {"A01", "1", "cobrado.A01", nullptr},
        {"", "1", "cobrado.", nullptr},
        {"Liquido", "1", "cobrado.Liquido", nullptr},
    };
    for (const Row& row : rows) {
        const ControlResult r = comparePaid(sample(), {{"052", "1"}, {row.key, row.text}, {"x", "1"}}, kComma);
        EXPECT_FALSE(r.control) << row.key;
        EXPECT_EQ(r.field, row.field) << row.key;
        if (row.message) {
            EXPECT_EQ(r.message, row.message) << row.key;
        }
    }
}

} // namespace

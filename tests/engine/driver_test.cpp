// The calculation as a whole: refusals, row order, totals and amount texts.
#include "engine_fixtures.h"

using namespace haberes;
using namespace haberes::test;

TEST(Driver, NoPayBasisIsRefusedBeforeAnythingIsRead)
{
    PayEntries e; // the entry window as it opens
    e.transporte = 1;
    e.cantkm = "abc"; // would fail, but nothing is read without a pay basis
    CalcResult r = calculate(e, kComma);
    ASSERT_FALSE(r.ok());
    EXPECT_FALSE(r.refusal.field);
    EXPECT_EQ(r.refusal.message, "No seleccionaste cargo ni horas");
}

TEST(Driver, RefusalNamesTheFirstFailingFieldInRecordOrder)
{
    struct Case {
        PayEntries entries;
        Field field;
        std::string message;
    };
    std::vector<Case> cases;
    {
        PayEntries e = points("", "x"); // empty basic points, bad full day
        cases.push_back({e, Field::punbas, "\"Puntos básicos\" está vacío: escribí un número, por ejemplo 0"});
    }
    {
        PayEntries e = points("1000", "1.000,5");
        cases.push_back(
            {e, Field::jorcom, "\"Jorn. completa\" separa los miles con puntos: escribí las cifras juntas: 1000,5"});
    }
    {
        PayEntries e = secondaryHours("2.5"); // the other separator
        e.dinasist = "x";
        cases.push_back(
            {e, Field::numerohorasmed, "\"Número de horas N. Medio\" tiene un punto: usá la coma decimal: 2,5"});
    }
    {
        PayEntries e = tertiaryHours("10");
        e.numhorascod113 = "";
        cases.push_back(
            {e, Field::numhorascod113,
             "\"Número de horas con código 113\" está vacío: escribí un número, por ejemplo 0"});
    }
    {
        PayEntries e = position("604");
        e.transporte = 1;
        e.cantkm = "-1"; // a distance is never negative
        cases.push_back(
            {e, Field::cantkm, "\"cantidad de km semanales\" no puede ser negativo: escribí 0 o más"});
    }
    {
        PayEntries e = position("604");
        e.hijos = 1;
        e.cantidadhijos = "256";
        cases.push_back(
            {e, Field::cantidadhijos, "La cantidad de \"Hijos\" es demasiado grande: como máximo 255 hijos"});
    }
    {
        PayEntries e = secondaryHours("1000001"); // would overflow nothing, but is out of range
        cases.push_back(
            {e, Field::numerohorasmed, "\"Número de horas N. Medio\" es demasiado grande: como máximo 1000000 horas"});
    }
    for (const Case& c : cases) {
        CalcResult r = calculate(c.entries, kComma);
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.refusal.field, c.field) << r.refusal.message;
        EXPECT_EQ(r.refusal.message, c.message);
    }
}

TEST(Driver, FieldsNotReadUnderTheChosenBasisAreNotConverted)
{
    PayEntries e = secondaryHours("20");
    e.punbas = "garbage"; // the dialog is not read in hours mode
    e.numerohorassup = "garbage";
    e.cantidadhijos = "garbage"; // "Hijos" not ticked
    EXPECT_TRUE(calculate(e, kComma).ok());
}

TEST(Driver, AmountTextsFollowTheLocaleAndTheCodeRule)
{
    PayEntries e = position("734");
    e.ZUTEL = 1;
    Payslip comma = payslipOf(e, kComma);
    Payslip point = payslipOf(e, kPoint);
    EXPECT_EQ(comma.lines[0].text, "$1342,05");
    EXPECT_EQ(point.lines[0].text, "$1342.05");
    EXPECT_EQ(comma.lines[1].text, "$ 90,3647");
    EXPECT_EQ(point.lines[1].text, "$ 90.3647");
    EXPECT_EQ(line(comma, "014")->quantity, "0,7");
    EXPECT_EQ(line(point, "014")->quantity, "0.7");
    EXPECT_EQ(line(point, "188")->quantity, "7.0");
    EXPECT_EQ(comma.thaberes.view().substr(0, 2), "$ ");
    EXPECT_EQ(comma.thaberes.view().find('.'), std::string::npos);
}

TEST(Driver, TotalsAreTheSumsOfThePrintedLinesWithJornadaOnce)
{
    // Full-day and extended-day points together: two 052 lines with the same
    // amount, counted once.
    PayEntries e = points("1500", "100", "200", "0", "0");
    e.Iosper = e.APORTEJUB = e.Seguro3011 = 1;
    e.hijos = 1;
    e.cantidadhijos = "2";
    Payslip p = payslipOf(e);
    ASSERT_EQ(codes(p), "001 052 052 006 014 084 113 188 1001 505 502 510");
    EXPECT_EQ(p.lines[1].amount, money("328.2"));
    EXPECT_EQ(p.lines[2].amount, money("328.2"));

    Currency earnings, deductions;
    for (int i = 0; i < p.fila(); ++i) {
        const PayslipLine& l = p.lines[static_cast<std::size_t>(i)];
        EXPECT_EQ(l.row, i);
        if (i == 2)
            continue; // the second 052
        (l.column == Column::earnings ? earnings : deductions) += l.amount;
    }
    EXPECT_EQ(p.totalhab, earnings);
    EXPECT_EQ(p.totaldesc, deductions);
    EXPECT_EQ(p.totalliq, earnings - deductions);
}

TEST(Driver, EarningsComeBeforeDeductionsAndTheFullestPayslipFits)
{
    PayEntries e = points("901", "1", "1", "1", "1");
    selectSeniority(e, 2);
    e.zona = 4;
    e.dinasist = "2";
    e.transporte = e.hijos = e.hijosdisc = e.conyuge = 1;
    e.cantkm = "50";
    e.cantidadhijos = "3";
    e.cantidadhijosdisc = "1";
    e.Iosper = e.Osplad = e.APORTEJUB = e.Ley4035 = e.ZUTEL = e.cajacomp = e.Seguro3011 = 1;
    Payslip p = payslipOf(e);
    EXPECT_EQ(codes(p), "001 002 052 052 016 010 078 006 014 084 113 188 172 029 1001 1002 1003 1010 "
                        "440 505 508 502 504 332 512 510");
    EXPECT_EQ(p.fila(), 26);
    for (int i = 0; i < p.fila(); ++i)
        EXPECT_EQ(p.lines[static_cast<std::size_t>(i)].column, i < 18 ? Column::earnings : Column::deductions);
    EXPECT_FALSE(line(p, "1010")->quantity);
    EXPECT_EQ(line(p, "029")->quantity, "");
}

TEST(Driver, SameEntriesGiveTheSamePayslip)
{
    PayEntries e = position("822");
    selectSeniority(e, 5);
    e.ZUTEL = 1;
    Payslip a = payslipOf(e);
    Payslip b = payslipOf(e);
    ASSERT_EQ(a.fila(), b.fila());
    for (int i = 0; i < a.fila(); ++i)
        EXPECT_EQ(a.lines[static_cast<std::size_t>(i)].text, b.lines[static_cast<std::size_t>(i)].text);
    EXPECT_EQ(a.liquido, b.liquido);
}

TEST(Driver, NegativeNetKeepsItsSignAfterTheBlank)
{
    PayEntries e = secondaryHours("-10");
    Payslip p = payslipOf(e);
    EXPECT_LT(p.totalliq, Currency());
    EXPECT_EQ(p.liquido.view().substr(0, 3), "$ -");
    EXPECT_EQ(p.lines[0].text.view().substr(0, 2), "$-");
}

// Entries that once gave totals different from the sum of the lines shown.
TEST(Driver, TotalsNeverCountAnAmountWhoseLineIsNotShown)
{
    struct Case {
        const char* what;
        PayEntries entries;
    };
    std::vector<Case> cases;
    {
        PayEntries e = secondaryHours("-12,25"); // negative plus, absences
        e.dinasist = "2";
        e.APORTEJUB = 1;
        cases.push_back({"negative hours with absences", e});
    }
    {
        PayEntries e = points("1500", "-500"); // negative full-day points typed over the row
        e.Iosper = 1;
        cases.push_back({"negative full-day points", e});
    }
    {
        PayEntries e = points("1500", "0", "-40");
        cases.push_back({"negative extended-day points", e});
    }
    for (const Case& c : cases) {
        Payslip p = payslipOf(c.entries);
        Currency earnings, deductions;
        for (int i = 0; i < p.fila(); ++i) {
            const PayslipLine& l = p.lines[static_cast<std::size_t>(i)];
            (l.column == Column::earnings ? earnings : deductions) += l.amount;
        }
        EXPECT_EQ(p.totalhab, earnings) << c.what;
        EXPECT_EQ(p.totaldesc, deductions) << c.what;
        EXPECT_FALSE(line(p, "052")) << c.what;
        EXPECT_FALSE(line(p, "440")) << c.what;
    }
}

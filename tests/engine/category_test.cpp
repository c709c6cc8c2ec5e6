// Category pay: positions and teaching hours.
#include "engine_fixtures.h"

using namespace haberes;
using namespace haberes::test;

TEST(PositionEarnings, WorkedPositions)
{
    struct Case {
        const char* code;
        const char* rows; // codes of the category lines
        const char* amounts[3];
    };
    const Case cases[] = {
        {"999", "001", {"2814.7262"}},
        {"734", "001 002 016", {"1342.05", "90.3647", "134.205"}},
        {"822", "001 002 052", {"868.7537", "152.099", "169.57"}},
        {"650", "001 002 052", {"1556.778", "62.629", "820.5"}},
    };
    for (const Case& c : cases) {
        Payslip p = payslipOf(position(c.code));
        std::string rows;
        int n = 0;
        for (; n < p.fila() && p.lines[static_cast<std::size_t>(n)].code != "006"; ++n) {
            rows += (n ? " " : "") + std::string(p.lines[static_cast<std::size_t>(n)].code);
            EXPECT_EQ(p.lines[static_cast<std::size_t>(n)].amount, money(c.amounts[n])) << c.code << " row " << n;
        }
        EXPECT_EQ(rows, c.rows) << c.code;
    }
    Payslip p650 = payslipOf(position("650"));
    EXPECT_EQ(p650.lines[2].concepto, "Prol. de Jornada");
    EXPECT_EQ(payslipOf(position("822")).lines[2].concepto, "Jornada completa");
}

TEST(PositionEarnings, HeaderCarriesTheDialogTexts)
{
    PayEntries e = position("604");
    e.jorcom = "7"; // a value typed over the row's
    Payslip p = payslipOf(e);
    EXPECT_EQ(p.header.caption, "Código del cargo");
    EXPECT_EQ(p.header.numcargo, "604");
    EXPECT_EQ(p.header.punbasicos, "3146");
    EXPECT_EQ(p.header.carsel, "Asesor Pedagógico");
    EXPECT_TRUE(p.header.positionPointsShown);
    EXPECT_EQ(p.header.jorcom, "7");
    EXPECT_EQ(p.lines[0].quantity, "1");
    EXPECT_EQ(line(p, "052")->amount, money("7.658"));
}

// Four different values, so that two boxes swapped show; each as typed.
TEST(PositionEarnings, HeaderShowsTheFourPointBoxesAsTyped)
{
    PayEntries e = points("1250", "450", "80", "12,0", "33,25");
    e.codigocargo = "731";
    e.cargox = "Preceptor";
    const Payslip p = payslipOf(e);
    EXPECT_EQ(p.header.caption, "Código del cargo");
    EXPECT_EQ(p.header.numcargo, "731");
    EXPECT_EQ(p.header.punbasicos, "1250");
    EXPECT_EQ(p.header.carsel, "Preceptor");
    EXPECT_TRUE(p.header.positionPointsShown);
    EXPECT_EQ(p.header.compbas, "33,25");
    EXPECT_EQ(p.header.tardif, "12,0");
    EXPECT_EQ(p.header.jorcom, "450");
    EXPECT_EQ(p.header.proljor, "80");
    EXPECT_EQ(amountOf(p, "001"), money("1118.375"));       // 1250 x 0.8947
    EXPECT_EQ(amountOf(p, "002"), money("29.7488"));        // 33.25 x 0.8947 = 29.748775
    EXPECT_EQ(line(p, "052")->amount, money("579.82"));     // (450 + 80) x 1.094
    EXPECT_EQ(amountOf(p, "016"), money("10.7364"));        // 12 x 0.8947
}

TEST(PositionEarnings, ZeroOrNegativePointsAddNoLine)
{
    Payslip p = payslipOf(points("0", "0", "0", "-5", "-3"));
    EXPECT_EQ(p.lines[0].code, "001");
    EXPECT_EQ(p.lines[0].text, "$0");
    EXPECT_EQ(p.lines[1].code, "006"); // nothing between
    EXPECT_FALSE(line(p, "016"));
    EXPECT_FALSE(line(p, "002"));
}

TEST(HoursEarnings, SecondaryAndTertiaryWorkedFigures)
{
    Payslip sec = payslipOf(secondaryHours("20"));
    EXPECT_EQ(sec.lines[0].amount, money("1158.2786"));
    EXPECT_EQ(sec.lines[0].quantity, "20");
    EXPECT_EQ(sec.lines[0].concepto, "Hs. N. Medio");
    EXPECT_EQ(sec.header.punbasicos, "1294,6");
    EXPECT_EQ(sec.header.numcargo, "20");
    EXPECT_EQ(sec.header.carsel, "Horas de nivel medio");
    EXPECT_EQ(sec.header.caption, "Cantidad de horas");
    EXPECT_FALSE(sec.header.positionPointsShown);

    Payslip ter = payslipOf(tertiaryHours("10"), kPoint);
    EXPECT_EQ(ter.lines[0].amount, money("777.4943"));
    EXPECT_EQ(ter.header.punbasicos, "869");
    EXPECT_EQ(ter.header.carsel, "Horas de nivel superior");

    Payslip typed = payslipOf(secondaryHours(" 12,5"));
    EXPECT_EQ(typed.lines[0].quantity, " 12,5"); // as typed
    // However long the typing, whole, and still whole in a copy of the
    // payslip and after the copy is overwritten by a short one.
    const std::string padded = "   " + std::string(40, '0') + "12,5   ";
    Payslip copy = payslipOf(secondaryHours(padded));
    EXPECT_EQ(copy.lines[0].quantity, padded);
    const Payslip kept = copy;
    copy = typed;
    EXPECT_EQ(kept.lines[0].quantity, padded);
    EXPECT_EQ(copy.lines[0].quantity, " 12,5");
    EXPECT_FALSE(kept.lines[0].quantity == QuantityText());
    EXPECT_FALSE(QuantityText("") == QuantityText()); // a blank cell is not a hidden one
    EXPECT_EQ(payslipOf(secondaryHours("0")).lines[0].text, "$0");
}

TEST(HoursEarnings, CapsOfTheHourDrivenLines)
{
    struct Case {
        bool secondary;
        const char* cod06;
        const char* incen;
        const char* cod113;
        const char* a006;
        const char* a084; // nullptr: no line
        const char* a113;
        const char* q006;
        const char* q084;
        const char* q113;
    };
    const Case cases[] = {
        {true, "29", "0", "30", "313.49", nullptr, "199.998", "29", nullptr, "30"},
        {true, "30", "30", "31", "324.3", "330", "200", "30", "30", "30"},
        {true, "45", "29,99", "30,0004", "324.3", "329.89", "200", "30", "29,99", "30"},
        {false, "14,9", "24", "24", "161.069", "330", "199.9992", "14,9", "24", "24"},
        {false, "15", "25", "25", "162.15", "330", "200", "15", "24", "24"},
        {true, "-2", "-5", "-3", "-21.62", nullptr, "-19.9998", "-2", nullptr, "-3"},
    };
    for (const Case& c : cases) {
        PayEntries e = c.secondary ? secondaryHours("10") : tertiaryHours("10");
        e.numhorascod06 = c.cod06;
        e.numhorasincen = c.incen;
        e.numhorascod113 = c.cod113;
        Payslip p = payslipOf(e);
        SCOPED_TRACE(std::string(c.cod06) + "/" + c.incen + "/" + c.cod113);
        EXPECT_EQ(amountOf(p, "006"), money(c.a006));
        EXPECT_EQ(line(p, "006")->quantity, c.q006);
        EXPECT_EQ(amountOf(p, "113"), money(c.a113));
        EXPECT_EQ(line(p, "113")->quantity, c.q113);
        if (c.a084) {
            ASSERT_TRUE(line(p, "084"));
            EXPECT_EQ(amountOf(p, "084"), money(c.a084));
            EXPECT_EQ(line(p, "084")->quantity, c.q084);
        } else {
            EXPECT_FALSE(line(p, "084"));
        }
    }
}

TEST(SeniorityAndZone, PercentagesOfTheCategoryPay)
{
    PayEntries e = secondaryHours("20");
    selectSeniority(e, 4);
    e.zona = 2;
    Payslip p = payslipOf(e);
    EXPECT_EQ(amountOf(p, "010"), money("347.4836"));
    EXPECT_EQ(line(p, "010")->quantity, "30 %");
    EXPECT_EQ(amountOf(p, "078"), money("463.3114"));
    EXPECT_EQ(line(p, "078")->quantity, "40 %");

    const std::pair<int, const char*> zones[] = {{-1, nullptr}, {0, nullptr}, {1, "20 %"}, {3, "80 %"}, {4, "120 %"}};
    for (auto [zona, quantity] : zones) {
        PayEntries z = position("999");
        z.zona = zona;
        const Payslip p = payslipOf(z);
        const PayslipLine* l = line(p, "078");
        EXPECT_EQ(l ? l->quantity : QuantityText(), quantity ? QuantityText(quantity) : QuantityText());
    }

    selectSeniority(e, 1); // 0 %: no line
    EXPECT_FALSE(line(payslipOf(e), "010"));
    selectSeniority(e, 12);
    Payslip top = payslipOf(e);
    EXPECT_GT(amountOf(top, "010"), amountOf(top, "001"));
    EXPECT_EQ(e.porcantig, "120 %");
}

#include "engine/calculate.h"
#include "engine/fixed_texts.h"

#include <gtest/gtest.h>

using namespace haberes;

// A header text past the room (a scale file's long name, a long position
// name) is kept whole; moving between the room and the heap, and copying,
// never mixes one text with another.
TEST(InlineText, TextsPastTheRoomAreKeptWhole)
{
    const std::string longName(300, 'n');
    InlineText<8> t("corto");
    EXPECT_EQ(t, "corto");
    t = longName;
    EXPECT_EQ(t, longName);
    InlineText<8> copy = t;
    t = "otro";
    EXPECT_EQ(t, "otro");
    EXPECT_EQ(copy, longName);
    copy = t;
    EXPECT_EQ(copy, "otro");
    t = "12345678"; // exactly the room
    EXPECT_EQ(t.size(), 8u);
    EXPECT_EQ(t, "12345678");
    t = "";
    EXPECT_TRUE(t.empty());
}

TEST(InlineText, LongScaleNameAndPositionNameReachThePayslip)
{
    PayScale scale = builtinScale();
    scale.nombre = "Escala provincial docente desde el primero de julio de dos mil diez, revisada";
    PayEntries e;
    e.cargo = true;
    e.codigocargo = "822";
    e.cargox = std::string(120, 'C');
    e.punbas = "1000";
    e.jorcom = e.proljor = e.tardif = e.compbas = "0";
    const CalcResult r = calculate(e, NumberFormat{","}, scale);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.payslip->escala, scale.nombre);
    EXPECT_EQ(r.payslip->header.carsel, e.cargox);
}

// Counts as the quantity column shows them, the widest int included.
TEST(CountText, NumberAndSuffix)
{
    EXPECT_EQ(std::string_view(CountText(0)), "0");
    EXPECT_EQ(std::string_view(CountText(3)), "3");
    EXPECT_EQ(std::string_view(CountText(20, " %")), "20 %");
    EXPECT_EQ(std::string_view(CountText(-15, " %")), "-15 %");
    EXPECT_EQ(std::string_view(CountText(-2147483647 - 1, " %")), "-2147483648 %");
    EXPECT_EQ(std::string_view(CountText()), "");
    // The suffix is cut to the room left, never written past it.
    EXPECT_EQ(std::string_view(CountText(-2147483647 - 1, " horas")), "-2147483648 hora");
}

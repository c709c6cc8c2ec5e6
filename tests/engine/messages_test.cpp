// What a refused box tells the user: what is wrong and what to type, in
// the box's own terms and the locale's decimal mark.
#include "engine_fixtures.h"

#include "engine/messages.h"

using namespace haberes;
using namespace haberes::test;

namespace {

// The secondary-hours box holding text, computed under format.
std::string hoursRefusal(const std::string& text, const NumberFormat& format)
{
    PayEntries e = secondaryHours(text);
    CalcResult r = calculate(e, format);
    EXPECT_FALSE(r.ok()) << text;
    EXPECT_EQ(r.refusal.field, Field::numerohorasmed) << text;
    return r.refusal.message;
}

} // namespace

TEST(RefusalMessages, TheFourKindsUnderADecimalComma)
{
    const std::string box = "\"Número de horas N. Medio\" ";
    EXPECT_EQ(hoursRefusal("", kComma), box + "está vacío: escribí un número, por ejemplo 0");
    EXPECT_EQ(hoursRefusal("   ", kComma), box + "está vacío: escribí un número, por ejemplo 0");
    EXPECT_EQ(hoursRefusal("2.5", kComma), box + "tiene un punto: usá la coma decimal: 2,5");
    EXPECT_EQ(hoursRefusal(" 12.75 ", kComma), box + "tiene un punto: usá la coma decimal: 12,75");
    EXPECT_EQ(hoursRefusal("abc", kComma),
              box + "no es un número: escribí solo cifras y la coma decimal, por ejemplo 12,5");
    EXPECT_EQ(hoursRefusal("2000000", kComma), box + "es demasiado grande: como máximo 1000000 horas");
    EXPECT_EQ(hoursRefusal("-1000000,5", kComma), box + "es demasiado chico: como mínimo -1000000 horas");
}

TEST(RefusalMessages, TheFourKindsUnderADecimalPoint)
{
    const std::string box = "\"Número de horas N. Medio\" ";
    EXPECT_EQ(hoursRefusal("", kPoint), box + "está vacío: escribí un número, por ejemplo 0");
    EXPECT_EQ(hoursRefusal("2,5", kPoint), box + "tiene una coma: usá el punto decimal: 2.5");
    EXPECT_EQ(hoursRefusal("abc", kPoint),
              box + "no es un número: escribí solo cifras y el punto decimal, por ejemplo 12.5");
    EXPECT_EQ(hoursRefusal("1000000.0001", kPoint), box + "es demasiado grande: como máximo 1000000 horas");
}

TEST(RefusalMessages, ThousandsAreNeverGuessedAtSilently)
{
    const std::string box = "\"Número de horas N. Medio\" ";
    // One mark before three digits: a decimal or a thousand, the user says.
    EXPECT_EQ(hoursRefusal("1.000", kComma),
              box + "tiene un punto: si es un decimal, usá la coma decimal: 1,000; "
                    "si son miles, escribí las cifras juntas: 1000");
    EXPECT_EQ(hoursRefusal("1,000", kPoint),
              box + "tiene una coma: si es un decimal, usá el punto decimal: 1.000; "
                    "si son miles, escribí las cifras juntas: 1000");
    EXPECT_EQ(hoursRefusal("1.000.000", kComma),
              box + "separa los miles con puntos: escribí las cifras juntas: 1000000");
    EXPECT_EQ(hoursRefusal("1.000,5", kComma), box + "separa los miles con puntos: escribí las cifras juntas: 1000,5");
    EXPECT_EQ(hoursRefusal("1,000.5", kPoint), box + "separa los miles con comas: escribí las cifras juntas: 1000.5");
    // Not groups of three: no guess at all.
    EXPECT_EQ(hoursRefusal("1.00.000", kComma),
              box + "no es un número: escribí solo cifras y la coma decimal, por ejemplo 12,5");
}

TEST(RefusalMessages, EachBoxSaysItsOwnLimitAndUnit)
{
    struct Case {
        PayEntries entries;
        std::string message;
    };
    const auto withHijos = [](const std::string& count) {
        PayEntries e = position("604");
        e.hijos = 1;
        e.cantidadhijos = count;
        return e;
    };
    const auto withKm = [](const std::string& km) {
        PayEntries e = position("604");
        e.transporte = 1;
        e.cantkm = km;
        return e;
    };
    const auto withDays = [](const std::string& days) {
        PayEntries e = position("604");
        e.dinasist = days;
        return e;
    };
    const Case cases[] = {
        {points("32768"), "\"Puntos básicos\" es demasiado grande: como máximo 32767 puntos"},
        {points("32767,5"), "\"Puntos básicos\" es demasiado grande: como máximo 32767 puntos"},
        {points("-32769"), "\"Puntos básicos\" es demasiado chico: como mínimo -32768 puntos"},
        {points("3.146"), "\"Puntos básicos\" tiene un punto: si es un decimal, usá la coma decimal: 3,146; "
                          "si son miles, escribí las cifras juntas: 3146"},
        {points("1000", "x"), "\"Jorn. completa\" no es un número: escribí solo cifras, por ejemplo 100"},
        {points("1000", "0", ""), "\"Prol. de jornada\" está vacío: escribí un número, por ejemplo 0"},
        {points("1000", "0", "0", "1000000,0001"),
         "\"Tarea diferenc.\" es demasiado grande: como máximo 1000000 puntos"},
        {points("1000", "0", "0", "0", "1e3"),
         "\"Comp básico\" no es un número: escribí solo cifras y la coma decimal, por ejemplo 100"},
        {withHijos("256"), "La cantidad de \"Hijos\" es demasiado grande: como máximo 255 hijos"},
        {withHijos("255,5"), "La cantidad de \"Hijos\" es demasiado grande: como máximo 255 hijos"},
        {withHijos("-1"), "La cantidad de \"Hijos\" no puede ser negativa: escribí 0 o más"},
        {withHijos(""), "La cantidad de \"Hijos\" está vacía: escribí un número, por ejemplo 0"},
        {withKm("-0,6"), "\"cantidad de km semanales\" no puede ser negativo: escribí 0 o más"},
        {withKm("32768"), "\"cantidad de km semanales\" es demasiado grande: como máximo 32767 km"},
        {withKm("50 km"), "\"cantidad de km semanales\" no es un número: escribí solo cifras, por ejemplo 50"},
        {withDays("dos"), "La cantidad de días de \"Inasistencias Just\" no es un número: "
                          "escribí solo cifras y la coma decimal, por ejemplo 2"},
        {withDays(""), "La cantidad de días de \"Inasistencias Just\" está vacía: escribí un número, por ejemplo 0"},
    };
    for (const Case& c : cases) {
        CalcResult r = calculate(c.entries, kComma);
        ASSERT_FALSE(r.ok()) << c.message;
        EXPECT_EQ(r.refusal.message, c.message);
    }
}

TEST(RefusalMessages, TheLimitSaidIsTheLimitApplied)
{
    // The very limits the messages name still convert.
    EXPECT_TRUE(calculate(points("32767"), kComma).ok());
    EXPECT_TRUE(calculate(points("-32768"), kComma).ok());
    EXPECT_TRUE(calculate(secondaryHours("1000000"), kComma).ok());
    EXPECT_TRUE(calculate(secondaryHours("-1000000"), kComma).ok());
    PayEntries e = position("703");
    selectSeniority(e, 12); // a high bracket lets 255 children through
    e.hijos = 1;
    e.cantidadhijos = "255";
    e.transporte = 1;
    e.cantkm = "32767";
    EXPECT_TRUE(calculate(e, kComma).ok());
    e.cantkm = "0";
    EXPECT_TRUE(calculate(e, kComma).ok());
}

TEST(RefusalMessages, AScaleValueThatIsNoNumberSaysWhatToType)
{
    EXPECT_EQ(scaleValueMessage("Valor del punto", "0.9842", ",", "0.8947", true),
              "\"Valor del punto\" tiene un punto: usá la coma decimal: 0,9842");
    EXPECT_EQ(scaleValueMessage("Valor del punto", "0,9842", ".", "0.8947", true),
              "\"Valor del punto\" tiene una coma: usá el punto decimal: 0.9842");
    EXPECT_EQ(scaleValueMessage("Mínimo", "", ",", "1490", true),
              "\"Mínimo\" está vacío: escribí un número, por ejemplo 0");
    EXPECT_EQ(scaleValueMessage("Valor del punto", "0,89a", ",", "0.8947", true),
              "\"Valor del punto\" no es un número: escribí solo cifras y la coma decimal, por ejemplo 0,8947");
    // A whole number asks for figures alone.
    EXPECT_EQ(scaleValueMessage("Horas del tope", "treinta", ",", "30", false),
              "\"Horas del tope\" no es un número: escribí solo cifras, por ejemplo 30");
    EXPECT_EQ(scaleValueMessage("Tope", "1.000.000", ",", "324.3", true),
              "\"Tope\" separa los miles con puntos: escribí las cifras juntas: 1000000");
}

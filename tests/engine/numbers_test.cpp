#include "engine/numbers.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

using namespace haberes;

namespace {
constexpr const char* kComma = ",";
constexpr const char* kPoint = ".";
} // namespace

TEST(NumberText, AcceptsBlanksSignsAndOneSeparator)
{
    const char* accepted[] = {"0", "12", " 12 ", "\t3\t", "+12", "-12", "12,5", ",5", "5,", "  -0,25 ", "007"};
    for (const char* t : accepted)
        EXPECT_TRUE(parseNumberText(t, kComma)) << t;

    const char* refused[] = {"", " ", "-", "+", ",", "abc", "12a", "1e3", "1.000,5", "2.5", "1,2,3",
                             "--1", "+-1", "1 2", "0x10", "١٢", "12%", "∞"};
    for (const char* t : refused)
        EXPECT_FALSE(parseNumberText(t, kComma)) << t;
}

TEST(NumberText, TheOtherSeparatorIsNeverReadAsDigits)
{
    // "2.5" under a decimal-comma locale is refused, not read as 25.
    EXPECT_FALSE(toReal("2.5", kComma, 1e9));
    EXPECT_FALSE(toInteger("2.5", kComma));
    EXPECT_FALSE(toReal("2,5", kPoint, 1e9));
    EXPECT_EQ(*toReal("2,5", kComma, 1e9), 2.5);
    EXPECT_EQ(*toReal("2.5", kPoint, 1e9), 2.5);
}

TEST(NumberText, MultiCharacterSeparator)
{
    EXPECT_EQ(*toReal("12٫5", "٫", 1e9), 12.5);
    EXPECT_FALSE(toReal("12,5", "٫", 1e9));
}

TEST(Conversions, IntegerRoundsHalvesToEvenThenChecksTheRange)
{
    struct Case {
        const char* text;
        std::optional<std::int16_t> value;
    };
    const Case cases[] = {
        {"2,5", 2},           {"3,5", 4},          {"-2,5", -2},         {"2,50001", 3},
        {"32767", 32767},     {"32767,5", {}},     {"32768", {}},        {"-32768", -32768},
        {"-32768,5", -32768}, {"-32769", {}},      {"-32768,6", {}},     {"0,5", 0},
        {"1,5", 2},           {"99999999999999999999", {}}, {"0000000000000000000000012", 12},
    };
    for (const Case& c : cases)
        EXPECT_EQ(toInteger(c.text, kComma), c.value) << c.text;
}

TEST(Conversions, ByteIsZeroTo255)
{
    EXPECT_EQ(toByte("255", kComma), 255);
    EXPECT_EQ(toByte("255,5", kComma), std::nullopt); // rounds to 256
    EXPECT_EQ(toByte("256", kComma), std::nullopt);
    EXPECT_EQ(toByte("-1", kComma), std::nullopt);
    EXPECT_EQ(toByte("-0,4", kComma), 0);
    EXPECT_EQ(toByte("0,5", kComma), 0);
    EXPECT_EQ(toByte(" 3 ", kComma), 3);
}

TEST(Conversions, CurrencyRoundsTheDecimalAsWritten)
{
    EXPECT_EQ(toCurrency("150", kComma, 1000000000)->ticks(), 1500000);
    EXPECT_EQ(toCurrency("0,00005", kComma, 1000000000)->ticks(), 0);
    EXPECT_EQ(toCurrency("0,00015", kComma, 1000000000)->ticks(), 2);
    EXPECT_EQ(toCurrency("0,000150001", kComma, 1000000000)->ticks(), 2);
    EXPECT_EQ(toCurrency("0,00025", kComma, 1000000000)->ticks(), 2);
    EXPECT_EQ(toCurrency("-1,23456", kComma, 1000000000)->ticks(), -12346);
    EXPECT_EQ(toCurrency("1000000000", kComma, 1000000000)->ticks(), 10000000000000);
    EXPECT_FALSE(toCurrency("1000000000,0001", kComma, 1000000000));
    EXPECT_FALSE(toCurrency("99999999999999999999", kComma, 1000000000));
}

TEST(Conversions, RealIsTheNearestDoubleWithinTheLimit)
{
    EXPECT_EQ(*toReal("0,1", kComma, 1e9), 0.1);
    EXPECT_EQ(*toReal("-3", kComma, 1e9), -3.0);
    EXPECT_EQ(*toReal("1000000000", kComma, 1e9), 1e9);
    EXPECT_FALSE(toReal("1000000001", kComma, 1e9));
    EXPECT_FALSE(toReal(std::string(400, '9'), kComma, 1e9));
    EXPECT_TRUE(std::signbit(*toReal("-0", kComma, 1e9)));
}

TEST(Conversions, RealTooSmallForADoubleIsZeroNotOutOfRange)
{
    const std::string zeros(400, '0');
    EXPECT_EQ(*toReal("0," + zeros + "1", kComma, 1e9), 0.0);
    EXPECT_EQ(*toReal(" -," + zeros + "9 ", kComma, 1e9), 0.0);
    // Still the nearest double where one is above zero: the smallest
    // subnormal, and half of it rounding to even (zero).
    EXPECT_EQ(*toReal("0." + std::string(323, '0') + "5", kPoint, 1e9), 4.9406564584124654e-324);
    EXPECT_EQ(*toReal("0." + std::string(323, '0') + "247", kPoint, 1e9), 0.0);
    // Large numbers are still refused.
    EXPECT_FALSE(toReal("1" + zeros + ",0", kComma, 1e300));
}

TEST(RealText, FifteenSignificantDigitsInPlainNotation)
{
    EXPECT_EQ(formatReal(20 * 64.73, kComma), "1294,6");
    EXPECT_EQ(formatReal(10 * 86.9, kComma), "869");
    EXPECT_EQ(formatReal(0.7, kComma), "0,7");
    EXPECT_EQ(formatReal(0.7, kPoint), "0.7");
    EXPECT_EQ(formatReal(0.000001 * 64.73, kComma), "0,00006473");
    EXPECT_EQ(formatReal(1e14, kComma), "100000000000000");
    EXPECT_EQ(formatReal(1234567890123456789.0, kComma), "1234567890123460000");
    EXPECT_EQ(formatReal(-323.65, kComma), "-323,65");
    EXPECT_EQ(formatReal(-0.0, kComma), "0");
    EXPECT_EQ(formatReal(1.0 / 3, kPoint), "0.333333333333333");
}

// Short texts take a quicker road than long ones; both must give the double
// nearest the decimal value, whatever the digits.
TEST(Conversions, RealIsTheNearestDoubleForShortAndLongTexts)
{
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 20000; ++i) {
        const int intDigits = static_cast<int>(random() % 10);
        const int fracDigits = static_cast<int>(random() % 12);
        std::string text = (random() % 4 == 0) ? "-" : "";
        for (int k = 0; k < intDigits; ++k)
            text += static_cast<char>('0' + random() % 10);
        std::string point = text;
        if (fracDigits > 0) {
            text += ',';
            point += '.';
            for (int k = 0; k < fracDigits; ++k) {
                const char c = static_cast<char>('0' + random() % 10);
                text += c;
                point += c;
            }
        }
        if (intDigits + fracDigits == 0)
            continue;
        double expected = 0;
        const char* begin = point.data() + (point[0] == '-');
        std::from_chars(begin, point.data() + point.size(), expected);
        if (point[0] == '-')
            expected = -expected;
        ASSERT_EQ(*toReal(text, kComma, 1e300), expected) << text;
    }
}

// Rounded to 15 significant digits, whatever road the digits take: read
// back, the text is the same number as C's own rounding to 15 digits.
TEST(RealText, AgreesWithRoundingToFifteenDigits)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(-6, 15);
    for (int i = 0; i < 20000; ++i) {
        const double hours = static_cast<double>(random() % 100000) / 10; // as typed, tenths
        const double values[] = {std::pow(10.0, exponent(random)), hours * 6, hours * 5.37, hours / 3};
        for (const double v : values) {
            char reference[64];
            std::snprintf(reference, sizeof reference, "%.14e", v);
            const std::string text = formatReal(v, kPoint);
            ASSERT_EQ(std::strtod(text.c_str(), nullptr), std::strtod(reference, nullptr)) << reference;
        }
    }
    EXPECT_EQ(formatReal(5, kComma), "5");
    EXPECT_EQ(formatReal(0.5, kComma), "0,5");
    EXPECT_EQ(formatReal(-2e-5, kComma), "-0,00002");
}

TEST(NumberFaults, ShapeDecidesTheFault)
{
    struct Case {
        const char* text;
        const char* sep;
        NumberFault fault;
        const char* asDecimal;
        const char* asWhole;
    };
    const Case cases[] = {
        {"", ",", NumberFault::empty, "", ""},
        {" \t ", ",", NumberFault::empty, "", ""},
        {"2.5", ",", NumberFault::otherSeparator, "2,5", ""},
        {"-.5", ",", NumberFault::otherSeparator, "-,5", ""},
        {"1234.567", ",", NumberFault::otherSeparator, "1234,567", ""},
        {"2,5", ".", NumberFault::otherSeparator, "2.5", ""},
        {"2.5", "٫", NumberFault::otherSeparator, "2٫5", ""},
        {"3.146", ",", NumberFault::decimalOrThousands, "3,146", "3146"},
        {"-12.500", ",", NumberFault::decimalOrThousands, "-12,500", "-12500"},
        {"1.000.000", ",", NumberFault::groupedDigits, "", "1000000"},
        {"1.000,25", ",", NumberFault::groupedDigits, "", "1000,25"},
        {"1,000,000.5", ".", NumberFault::groupedDigits, "", "1000000.5"},
        {"1.00.000", ",", NumberFault::notNumber, "", ""},
        {"1.5.5", ",", NumberFault::notNumber, "", ""},
        {".", ",", NumberFault::notNumber, "", ""},
        {"abc", ",", NumberFault::notNumber, "", ""},
        {"1e3", ".", NumberFault::notNumber, "", ""},
        {"12 horas", ",", NumberFault::notNumber, "", ""},
        {"-", ",", NumberFault::notNumber, "", ""},
        {"1,5,5", ",", NumberFault::notNumber, "", ""},
        {"99999999999999999999", ",", NumberFault::tooLarge, "", ""},
        {"+40000", ",", NumberFault::tooLarge, "", ""},
        {"-40000,5", ",", NumberFault::tooSmall, "", ""},
    };
    for (const Case& c : cases) {
        const NumberDiagnosis d = diagnoseNumberText(c.text, c.sep);
        EXPECT_EQ(d.fault, c.fault) << c.text;
        EXPECT_EQ(d.asDecimal, c.asDecimal) << c.text;
        EXPECT_EQ(d.asWhole, c.asWhole) << c.text;
        // What the user is told to type is itself a number text.
        if (!d.asDecimal.empty()) {
            EXPECT_TRUE(parseNumberText(d.asDecimal, c.sep)) << c.text;
        }
        if (!d.asWhole.empty()) {
            EXPECT_TRUE(parseNumberText(d.asWhole, c.sep)) << c.text;
        }
    }
}

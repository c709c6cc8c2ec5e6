#include "engine/currency.h"
#include "engine/fixed_texts.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>

using haberes::Currency;
using haberes::formatAmount;

TEST(Currency, RoundsProductsToTheNearestTenThousandthHalvesToEven)
{
    // Products whose scaled value is exactly k + 0.5 in binary.
    EXPECT_EQ(Currency::fromDouble(1.03125).ticks(), 10312); // 10312.5 -> even below
    EXPECT_EQ(Currency::fromDouble(1.09375).ticks(), 10938); // 10937.5 -> even above
    EXPECT_EQ(Currency::fromDouble(-1.03125).ticks(), -10312);
    // Representation error of the point value is removed, not truncated.
    EXPECT_EQ(Currency::fromDouble(3146 * 0.8947).ticks(), 28147262);
    EXPECT_EQ(Currency::fromDouble(155 * 1.094).ticks(), 1695700);
}

// The rounding is done without a library call; it must agree with the
// library's round-half-even everywhere a product can land, halves included.
TEST(Currency, RoundingAgreesWithNearbyint)
{
    std::mt19937_64 random(12);
    std::uniform_real_distribution<double> exponent(-8, 14);
    for (int i = 0; i < 200000; ++i) {
        double v = std::pow(10.0, exponent(random)) * ((random() & 1) ? -1 : 1);
        if (i % 4 == 0) // exactly halfway between two ticks
            v = (std::floor(v * 10000) + 0.5) / 10000;
        ASSERT_EQ(Currency::fromDouble(v).ticks(), static_cast<std::int64_t>(std::nearbyint(v * 10000))) << v;
    }
    for (const double edge : {0x1p52, -0x1p52, 0x1p52 - 0.5, -0x1p52 + 0.5, 0x1p53 + 2, 0.49999999999999994, -0.5,
                              0.5, 1.5, 2.5, -2.5, -0.0, 0.0})
    {
        const double v = edge / 10000;
        EXPECT_EQ(Currency::fromDouble(v).ticks(), static_cast<std::int64_t>(std::nearbyint(v * 10000))) << edge;
    }
}

TEST(Currency, AmountTextHasNoGroupingAndNoTrailingZeros)
{
    struct Case {
        std::int64_t ticks;
        const char* comma;
        const char* point;
    };
    const Case cases[] = {
        {125000, "12,5", "12.5"},      {8940000, "894", "894"},   {0, "0", "0"},
        {1, "0,0001", "0.0001"},        {-125000, "-12,5", "-12.5"}, {12345670000, "1234567", "1234567"},
        {28147262, "2814,7262", "2814.7262"}, {-1, "-0,0001", "-0.0001"}, {10, "0,001", "0.001"},
        // Either side of the largest whole number of 32 bits.
        {42949672950005, "4294967295,0005", "4294967295.0005"}, {42949672960000, "4294967296", "4294967296"},
        {-42949672969999, "-4294967296,9999", "-4294967296.9999"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatAmount(Currency::fromTicks(c.ticks), ","), c.comma) << c.ticks;
        EXPECT_EQ(formatAmount(Currency::fromTicks(c.ticks), "."), c.point) << c.ticks;
    }
}

TEST(Currency, ExtremesFormatWithoutOverflow)
{
    EXPECT_EQ(formatAmount(Currency::fromTicks(LLONG_MIN), "."), "-922337203685477.5808");
    EXPECT_EQ(formatAmount(Currency::fromTicks(LLONG_MAX), "."), "922337203685477.5807");
}

TEST(Currency, LongSeparatorsAndPrefixesAreWrittenWhole)
{
    const std::string sep(100, ',');
    std::string out;
    haberes::formatAmountInto(out, "$ ", Currency::fromTicks(-125000), sep);
    EXPECT_EQ(out, "$ -12" + sep + "5");
}

// The payslip's amount texts live inside the payslip: the widest amount with
// the widest separator still fits, and a separator past any locale's is cut
// rather than written past the end.
TEST(Currency, PayslipAmountTextHoldsTheExtremes)
{
    using haberes::AmountText;
    const std::string widest(AmountText::kMaxSeparator, ',');
    EXPECT_EQ(AmountText("$ ", Currency::fromTicks(LLONG_MIN), widest),
              "$ -922337203685477" + widest + "5808");
    EXPECT_EQ(AmountText("$", Currency::fromTicks(LLONG_MAX), "٫"), "$922337203685477٫5807");
    const std::string tooWide(100, ',');
    EXPECT_EQ(AmountText("$ ", Currency::fromTicks(-125000), tooWide), "$ -12" + widest + "5");
    EXPECT_EQ(AmountText("$ ", Currency::fromTicks(0), tooWide), "$ 0");
    EXPECT_TRUE(AmountText().empty());
}

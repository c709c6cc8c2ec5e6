// The C library road for doubles (strtod, snprintf), taken where the
// standard library has no floating-point <charconv>, against <charconv>
// itself: the same double read, the same text written.
#include "engine/double_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

using namespace haberes;

namespace {

std::string written(double v, int precision = -1)
{
    char buf[kScientificRoom];
    return std::string(buf, writeScientific(buf, v, precision));
}

std::string viaSnprintf(double v, int precision = -1)
{
    char buf[kScientificRoom];
    return std::string(buf, double_text::writeWithSnprintf(buf, v, precision));
}

std::pair<DoubleRead, std::uint64_t> viaStrtod(const std::string& text)
{
    double v = -1;
    const DoubleRead r = double_text::readWithStrtod(text, v);
    return {r, std::bit_cast<std::uint64_t>(v)};
}

std::string plainFixed(double v)
{
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.0f", v);
    return buf;
}

} // namespace

TEST(DoubleText, LiteralReadsAndTexts)
{
    // One road per build; these hold for either.
    double v = 0;
    EXPECT_EQ(readPlainDouble("0.1", v), DoubleRead::ok);
    EXPECT_EQ(v, 0.1);
    EXPECT_EQ(readPlainDouble("2.675", v), DoubleRead::ok);
    EXPECT_EQ(v, 2.675);
    EXPECT_EQ(readPlainDouble("007", v), DoubleRead::ok);
    EXPECT_EQ(v, 7.0);
    // Halfway between 2^53 and 2^53 + 2: to the even one.
    EXPECT_EQ(readPlainDouble("9007199254740993", v), DoubleRead::ok);
    EXPECT_EQ(v, 9007199254740992.0);
    EXPECT_EQ(readPlainDouble("9007199254740995", v), DoubleRead::ok);
    EXPECT_EQ(v, 9007199254740996.0);

    v = 3;
    EXPECT_EQ(readPlainDouble("0." + std::string(400, '0') + "1", v), DoubleRead::outOfRange);
    EXPECT_EQ(readPlainDouble("1" + std::string(400, '0'), v), DoubleRead::outOfRange);
    EXPECT_EQ(v, 3); // untouched
    EXPECT_EQ(readPlainDouble("0." + std::string(400, '0'), v), DoubleRead::ok);
    EXPECT_EQ(v, 0);
    for (const char* bad : {"", ".", "1e5", "-1", "+1", "1.2.3", " 1", "0x10", "inf", "nan", "1,5"})
        EXPECT_EQ(readPlainDouble(bad, v), DoubleRead::invalid) << bad;

    // The smallest subnormal, 2^-1074 = 4.94065645841246544e-324.
    EXPECT_EQ(readPlainDouble("0." + std::string(323, '0') + "494065645841246544", v), DoubleRead::ok);
    EXPECT_EQ(v, std::nextafter(0.0, 1.0));
    EXPECT_EQ(written(v), "5e-324");
    EXPECT_EQ(written(0.1), "1e-01");
    EXPECT_EQ(written(-1294.6), "-1.2946e+03");
    EXPECT_EQ(written(5.0), "5e+00");
    EXPECT_EQ(written(0.1 + 0.2), "3.0000000000000004e-01");
    EXPECT_EQ(written(DBL_MAX), "1.7976931348623157e+308");
    EXPECT_EQ(written(0.1 + 0.2, 14), "3.00000000000000e-01");
    EXPECT_EQ(written(2.5, 0), "2e+00"); // to even
}

// The strtod road on its own, so that it is checked where <charconv> is used.
TEST(DoubleText, TheCLibraryRoadOnItsOwn)
{
    EXPECT_EQ(viaSnprintf(std::nextafter(0.0, 1.0)), "5e-324");
    EXPECT_EQ(viaSnprintf(0.1 + 0.2), "3.0000000000000004e-01");
    EXPECT_EQ(viaSnprintf(-1294.6), "-1.2946e+03");
    EXPECT_EQ(viaSnprintf(1e23), "1e+23");
    // 2^-1017: the nearest 16-digit decimal, ...0444, falls outside the
    // narrower gap below; the one above reads back.
    EXPECT_EQ(viaSnprintf(std::ldexp(1.0, -1017)), "7.120236347223045e-307");
    EXPECT_EQ(viaSnprintf(-std::ldexp(1.0, -1007)), "-7.291122019556398e-304");
    EXPECT_EQ(viaSnprintf(9.5, 0), "1e+01");
    EXPECT_EQ(viaSnprintf(0.1 + 0.2, 14), "3.00000000000000e-01");
    EXPECT_EQ(viaStrtod("12.5").second, std::bit_cast<std::uint64_t>(12.5));
    EXPECT_EQ(viaStrtod("1" + std::string(400, '0')).first, DoubleRead::outOfRange);
    EXPECT_EQ(viaStrtod("0x1p3").first, DoubleRead::invalid);
    EXPECT_EQ(viaStrtod("infinity").first, DoubleRead::invalid);
}

// Under a decimal-comma locale strtod and printf would read and write ','.
TEST(DoubleText, TheCLibraryRoadIgnoresTheLocale)
{
    // A directory of this process's own: the suites may run side by side.
    const std::string dir = testing::TempDir() + "haberes-locales-" + std::to_string(getpid());
    const std::string make = "mkdir -p '" + dir + "' && localedef -i es_AR -f UTF-8 '" + dir +
                             "/es_AR.UTF-8' >/dev/null 2>&1";
    const char* oldPath = std::getenv("LOCPATH");
    const std::string saved = oldPath ? oldPath : "";
    if (std::system(make.c_str()) != 0) {
        std::system(("rm -rf '" + dir + "'").c_str());
        GTEST_SKIP() << "no localedef or no es_AR definition";
    }
    setenv("LOCPATH", dir.c_str(), 1);
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "es_AR.UTF-8")) {
        oldPath ? setenv("LOCPATH", saved.c_str(), 1) : unsetenv("LOCPATH");
        std::system(("rm -rf '" + dir + "'").c_str());
        GTEST_SKIP() << "es_AR.UTF-8 could not be made";
    }
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 2.5);
    EXPECT_STREQ(probe, "2,5"); // the locale is in force

    EXPECT_EQ(viaStrtod("12.5").second, std::bit_cast<std::uint64_t>(12.5));
    EXPECT_EQ(viaStrtod("0.000123").second, std::bit_cast<std::uint64_t>(0.000123));
    EXPECT_EQ(viaSnprintf(12.5), "1.25e+01");
    EXPECT_EQ(viaSnprintf(1.0 / 3.0), "3.333333333333333e-01");
    EXPECT_EQ(viaSnprintf(1.0 / 3.0, 14), "3.33333333333333e-01");
    std::snprintf(probe, sizeof probe, "%.1f", 2.5);
    EXPECT_STREQ(probe, "2,5"); // and still is afterwards

    std::setlocale(LC_ALL, before.c_str());
    oldPath ? setenv("LOCPATH", saved.c_str(), 1) : unsetenv("LOCPATH");
    std::system(("rm -rf '" + dir + "'").c_str());
}

#ifdef HABERES_CHARCONV_DOUBLES

namespace {

std::string viaCharconv(double v, int precision = -1)
{
    char buf[kScientificRoom];
    return std::string(buf, double_text::writeWithCharconv(buf, v, precision));
}

std::pair<DoubleRead, std::uint64_t> viaFromChars(const std::string& text)
{
    double v = -1;
    const DoubleRead r = double_text::readWithCharconv(text, v);
    return {r, std::bit_cast<std::uint64_t>(v)};
}

// Doubles of every kind: any bit pattern, subnormals, powers of two and
// their neighbours (where the gaps either side differ), halves, values
// read from 15 to 17 digits, the largest and the smallest.
std::vector<double> manyDoubles()
{
    std::mt19937_64 random(20240611);
    std::vector<double> out;
    while (out.size() < 120000) {
        const double v = std::bit_cast<double>(random());
        if (std::isfinite(v))
            out.push_back(v);
    }
    for (int i = 0; i < 30000; ++i)
        out.push_back(std::bit_cast<double>(random() & 0x000fffffffffffffULL)); // subnormal
    for (int e = -1074; e <= 1023; ++e) {
        const double p = std::ldexp(1.0, e);
        for (double v : {p, std::nextafter(p, 0.0), std::nextafter(p, INFINITY), 3 * p, -p})
            if (std::isfinite(v))
                out.push_back(v);
    }
    for (int k = 0; k < 20000; ++k)
        out.push_back(k + 0.5);
    std::uniform_int_distribution<int> digitCount(15, 17), exponent(-30, 30);
    for (int i = 0; i < 50000; ++i) {
        std::string text = std::to_string(random() % 9 + 1);
        const int n = digitCount(random);
        while (static_cast<int>(text.size()) < n)
            text.push_back(static_cast<char>('0' + random() % 10));
        text.insert(1, ".");
        text += "e" + std::to_string(exponent(random));
        out.push_back(std::strtod(text.c_str(), nullptr));
    }
    for (double v : {DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, 1e300, 1e-300, 1.0, 0.0, -0.0})
        out.push_back(v);
    return out;
}

} // namespace

TEST(DoubleText, BothRoadsWriteTheSameText)
{
    const std::vector<double> values = manyDoubles();
    ASSERT_GT(values.size(), 220000u);
    int differing = 0;
    for (const double v : values) {
        for (const int precision : {-1, 14}) {
            const std::string a = viaCharconv(v, precision);
            const std::string b = viaSnprintf(v, precision);
            if (a != b && ++differing <= 10)
                ADD_FAILURE() << std::hexfloat << v << " precision " << precision << ": " << a << " and " << b;
        }
    }
    EXPECT_EQ(differing, 0);
}

TEST(DoubleText, BothRoadsReadTheSameDouble)
{
    std::mt19937_64 random(7);
    std::vector<std::string> texts;
    const auto digits = [&](int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s.push_back(static_cast<char>('0' + random() % 10));
        return s;
    };
    // Plain decimals of 1 to 30 digits with the point anywhere.
    for (int i = 0; i < 150000; ++i) {
        std::string s = digits(1 + static_cast<int>(random() % 30));
        s.insert(random() % (s.size() + 1), ".");
        texts.push_back(s == "." ? "0" : s);
    }
    // Subnormal and underflowing: 300 to 330 zeros after the point.
    for (int i = 0; i < 30000; ++i)
        texts.push_back("0." + std::string(300 + random() % 31, '0') + digits(1 + static_cast<int>(random() % 20)));
    // Huge and overflowing: 300 to 320 digits.
    for (int i = 0; i < 10000; ++i)
        texts.push_back(std::to_string(1 + random() % 9) + digits(299 + static_cast<int>(random() % 21)));
    // Exactly halfway between two doubles, in full (a long double holds the
    // midpoint exactly): halves to even.
    for (int i = 0; i < 30000; ++i) {
        const double v = std::ldexp(static_cast<double>(random() >> 11), -static_cast<int>(random() % 60));
        const long double mid = (static_cast<long double>(v) + std::nextafter(v, INFINITY)) / 2;
        char buf[200];
        std::snprintf(buf, sizeof buf, "%.120Lf", mid);
        std::string s = buf;
        s.erase(s.find_last_not_of('0') + 1);
        texts.push_back(s);
    }
    // The doubles' own texts, in full.
    for (int i = 0; i < 10000; ++i)
        texts.push_back(plainFixed(std::ldexp(1.0, static_cast<int>(random() % 1000))));
    ASSERT_GT(texts.size(), 200000u);
    int differing = 0;
    for (const std::string& t : texts) {
        const auto a = viaFromChars(t);
        const auto b = viaStrtod(t);
        if (a != b && ++differing <= 10)
            ADD_FAILURE() << t << ": " << static_cast<int>(a.first) << " " << std::bit_cast<double>(a.second)
                          << " and " << static_cast<int>(b.first) << " " << std::bit_cast<double>(b.second);
    }
    EXPECT_EQ(differing, 0);
}

#endif

#include "engine/double_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>

#ifdef HABERES_CHARCONV_DOUBLES
#include <charconv>
#endif

namespace haberes {

namespace {

// Digits with at most one '.', at least one digit.
bool isPlainDecimal(std::string_view text)
{
    bool digit = false;
    bool point = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

bool hasNonZeroDigit(std::string_view text) { return text.find_first_of("123456789") != std::string_view::npos; }

// strtod and snprintf read and write the decimal point of the thread's
// locale, which the windows set to the user's ("," in Argentina): the "C"
// locale for this thread while one is alive.
class CLocaleHere {
public:
    CLocaleHere()
        : previous_(uselocale(cLocale()))
    {
    }
    ~CLocaleHere() { uselocale(previous_); }
    CLocaleHere(const CLocaleHere&) = delete;
    CLocaleHere& operator=(const CLocaleHere&) = delete;

private:
    static locale_t cLocale()
    {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
        return c;
    }
    locale_t previous_;
};

std::size_t printScientific(char* out, double value, int precision)
{
    const int n = std::snprintf(out, kScientificRoom, "%.*e", precision, value);
    return n < 0 ? 0 : static_cast<std::size_t>(n);
}

double readBack(const char* text) { return std::strtod(text, nullptr); }

// The decimal of as many digits as text ("-9.95e+02") one unit of the last
// digit further from zero (away) or nearer to it, in the same form.
std::size_t stepLastDigit(char* text, std::size_t length, bool away)
{
    std::string_view s(text, length);
    const bool negative = s.front() == '-';
    if (negative)
        s.remove_prefix(1);
    const std::size_t e = s.find('e');
    std::string digits;
    for (const char c : s.substr(0, e))
        if (c != '.')
            digits.push_back(c);
    int exponent = std::atoi(std::string(s.substr(e + 1)).c_str());
    if (away) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[i - 1];
        }
    } else if (digits.front() == '1' && digits.find_first_not_of('0', 1) == std::string::npos) {
        digits.assign(digits.size(), '9'); // 1.00e+06 - 0.01e+06 = 9.99e+05
        --exponent;
    } else {
        std::size_t i = digits.size();
        while (digits[i - 1] == '0')
            digits[--i] = '9';
        --digits[i - 1];
    }
    std::string out = negative ? "-" : "";
    out.push_back(digits.front());
    if (digits.size() > 1) {
        out.push_back('.');
        out.append(digits, 1);
    }
    char exponentText[16];
    std::snprintf(exponentText, sizeof exponentText, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    out += exponentText;
    std::memcpy(text, out.c_str(), out.size() + 1);
    return out.size();
}

} // namespace

namespace double_text {

DoubleRead readWithStrtod(std::string_view text, double& value)
{
    if (!isPlainDecimal(text))
        return DoubleRead::invalid;
    const std::string terminated(text);
    const CLocaleHere c;
    const double v = readBack(terminated.c_str());
    if (std::isinf(v) || (v == 0 && hasNonZeroDigit(text)))
        return DoubleRead::outOfRange;
    value = v;
    return DoubleRead::ok;
}

std::size_t writeWithSnprintf(char* out, double value, int precision)
{
    const CLocaleHere c;
    if (precision >= 0)
        return printScientific(out, value, precision);
    // The nearest decimal of each length in turn, until one reads back. Just
    // above a power of two the doubles below lie twice as close as those
    // above, so the nearest may miss where the next one on the far side
    // reads back.
    for (int p = 0; p < 17; ++p) {
        const std::size_t n = printScientific(out, value, p);
        const double back = readBack(out);
        if (back == value)
            return n;
        char other[kScientificRoom];
        std::memcpy(other, out, n + 1);
        const std::size_t m = stepLastDigit(other, n, std::fabs(back) < std::fabs(value));
        if (readBack(other) == value) {
            std::memcpy(out, other, m + 1);
            return m;
        }
    }
    return printScientific(out, value, 16); // 17 digits always read back
}

#ifdef HABERES_CHARCONV_DOUBLES
DoubleRead readWithCharconv(std::string_view text, double& value)
{
    if (!isPlainDecimal(text))
        return DoubleRead::invalid;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range)
        return DoubleRead::outOfRange;
    return ec == std::errc() && ptr == text.data() + text.size() ? DoubleRead::ok : DoubleRead::invalid;
}

std::size_t writeWithCharconv(char* out, double value, int precision)
{
    const auto r = precision < 0 ? std::to_chars(out, out + kScientificRoom, value, std::chars_format::scientific)
                                 : std::to_chars(out, out + kScientificRoom, value, std::chars_format::scientific,
                                                 precision);
    return static_cast<std::size_t>(r.ptr - out);
}
#endif

} // namespace double_text

DoubleRead readPlainDouble(std::string_view text, double& value)
{
#ifdef HABERES_CHARCONV_DOUBLES
    return double_text::readWithCharconv(text, value);
#else
    return double_text::readWithStrtod(text, value);
#endif
}

std::size_t writeScientific(char* out, double value, int precision)
{
#ifdef HABERES_CHARCONV_DOUBLES
    return double_text::writeWithCharconv(out, value, precision);
#else
    return double_text::writeWithSnprintf(out, value, precision);
#endif
}

} // namespace haberes

#include "engine/numbers.h"

#include "engine/double_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

namespace haberes {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Digits appended to a whole number, the caller keeping to what fits.
std::uint64_t appendDigits(std::uint64_t whole, std::string_view digits)
{
    for (const char c : digits)
        whole = whole * 10 + static_cast<unsigned>(c - '0');
    return whole;
}

// Rounds the digits integer.fraction to a whole number, halves to even.
// Gives nothing when the integer part has more digits than fit.
std::optional<std::uint64_t> roundHalfEven(std::string_view integer, std::string_view fraction)
{
    if (integer.size() > 17)
        return std::nullopt;
    std::uint64_t whole = appendDigits(0, integer);
    if (fraction.empty())
        return whole;
    const char first = fraction[0];
    bool restNonZero = fraction.substr(1).find_first_not_of('0') != std::string_view::npos;
    if (first > '5' || (first == '5' && (restNonZero || whole % 2 == 1)))
        ++whole;
    return whole;
}

// The value of a text of 1 to 15 digits and nothing else, the way most
// boxes are filled ("120", "3"); none for anything else, which takes the
// general road.
std::optional<std::uint64_t> plainDigits(std::string_view text)
{
    if (text.empty() || text.size() > 15)
        return std::nullopt;
    for (const char c : text)
        if (!isDigit(c))
            return std::nullopt;
    return appendDigits(0, text);
}

} // namespace

std::optional<DecimalText> parseNumberText(std::string_view text, std::string_view sep)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    DecimalText out;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        out.negative = text[i] == '-';
        ++i;
    }
    const std::size_t intStart = i;
    while (i < n && isDigit(text[i]))
        ++i;
    std::string_view integer = text.substr(intStart, i - intStart);
    std::string_view fraction;
    if (i < n && !sep.empty() && text.substr(i).starts_with(sep)) {
        i += sep.size();
        const std::size_t fracStart = i;
        while (i < n && isDigit(text[i]))
            ++i;
        fraction = text.substr(fracStart, i - fracStart);
    }
    while (i < n && isBlank(text[i]))
        ++i;
    if (i != n || (integer.empty() && fraction.empty()))
        return std::nullopt;
    while (!integer.empty() && integer.front() == '0')
        integer.remove_prefix(1);
    out.integerDigits = integer;
    out.fractionDigits = fraction;
    return out;
}

std::optional<std::int64_t> toWhole(std::string_view text, std::string_view sep, std::int64_t min, std::int64_t max)
{
    if (const auto plain = plainDigits(text)) {
        const auto v = static_cast<std::int64_t>(*plain);
        if (v < min || v > max)
            return std::nullopt;
        return v;
    }
    auto d = parseNumberText(text, sep);
    if (!d)
        return std::nullopt;
    auto mag = roundHalfEven(d->integerDigits, d->fractionDigits);
    if (!mag || *mag > static_cast<std::uint64_t>(INT64_MAX))
        return std::nullopt;
    std::int64_t v = static_cast<std::int64_t>(*mag);
    if (d->negative)
        v = -v;
    if (v < min || v > max)
        return std::nullopt;
    return v;
}

std::optional<std::int16_t> toInteger(std::string_view text, std::string_view sep)
{
    auto v = toWhole(text, sep, INT16_MIN, INT16_MAX);
    if (!v)
        return std::nullopt;
    return static_cast<std::int16_t>(*v);
}

std::optional<std::uint8_t> toByte(std::string_view text, std::string_view sep)
{
    auto v = toWhole(text, sep, 0, 255);
    if (!v)
        return std::nullopt;
    return static_cast<std::uint8_t>(*v);
}

std::optional<Currency> toCurrency(std::string_view text, std::string_view sep, std::int64_t maxMagnitude)
{
    auto d = parseNumberText(text, sep);
    if (!d)
        return std::nullopt;
    // Shift four fractional digits into the integer part, then round the rest.
    std::string_view frac = d->fractionDigits;
    std::string scaled(d->integerDigits);
    for (std::size_t k = 0; k < 4; ++k)
        scaled.push_back(k < frac.size() ? frac[k] : '0');
    std::string_view rest = frac.size() > 4 ? frac.substr(4) : std::string_view{};
    std::string_view scaledView = scaled;
    while (scaledView.size() > 1 && scaledView.front() == '0')
        scaledView.remove_prefix(1);
    auto ticks = roundHalfEven(scaledView, rest);
    if (!ticks || *ticks > static_cast<std::uint64_t>(maxMagnitude) * Currency::kScale)
        return std::nullopt;
    std::int64_t t = static_cast<std::int64_t>(*ticks);
    return Currency::fromTicks(d->negative ? -t : t);
}

std::optional<double> toReal(std::string_view text, std::string_view sep, double maxMagnitude)
{
    if (const auto plain = plainDigits(text)) {
        const auto v = static_cast<double>(*plain); // exact: under 2^53
        if (!(v <= maxMagnitude))
            return std::nullopt;
        return v;
    }
    auto d = parseNumberText(text, sep);
    if (!d)
        return std::nullopt;
    // Up to 15 digits in all, the digits read as a whole number are exact in
    // a double, and so is 10^k: one division rounds once, to the double
    // nearest the decimal value, as from_chars would, for a fraction of the
    // cost. Every hour and day count typed goes this way.
    const std::size_t digits = d->integerDigits.size() + d->fractionDigits.size();
    if (digits <= 15) {
        static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        const std::uint64_t whole = appendDigits(appendDigits(0, d->integerDigits), d->fractionDigits);
        const double v = static_cast<double>(whole) / kPowers[d->fractionDigits.size()];
        if (!(v <= maxMagnitude))
            return std::nullopt;
        return d->negative ? -v : v;
    }
    // Read with a '.' whatever the locale: rebuild "int.frac".
    std::string plain;
    plain.reserve(d->integerDigits.size() + d->fractionDigits.size() + 2);
    plain.append(d->integerDigits.empty() ? std::string_view("0") : d->integerDigits);
    if (!d->fractionDigits.empty()) {
        plain.push_back('.');
        plain.append(d->fractionDigits);
    }
    double v = 0;
    DoubleRead read = readPlainDouble(plain, v);
    // Below 1 the only way out of range is too small: the nearest double is 0.
    if (read == DoubleRead::outOfRange && d->integerDigits.empty()) {
        read = DoubleRead::ok;
        v = 0;
    }
    if (read != DoubleRead::ok || !(v <= maxMagnitude))
        return std::nullopt;
    return d->negative ? -v : v;
}

std::string formatReal(double value, std::string_view sep)
{
    if (!std::isfinite(value))
        return value != value ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
    if (value == 0)
        return "0";
    // d.dddddddddddddde±XX: the 15 significant digits and the exponent.
    // The shortest text that reads back as the value is much cheaper to
    // find; when it has 15 digits or fewer it is also what rounding to 15
    // digits gives (a double's spacing is under a fifth of the 15-digit
    // spacing, so the value lies nearer to it than to any other 15-digit
    // number).
    char buf[kScientificRoom];
    std::string_view s(buf, writeScientific(buf, value));
    const std::size_t mantissa =
        s.find('e') - (s.front() == '-' ? 1 : 0) - (s.find('.') == std::string_view::npos ? 0 : 1);
    if (mantissa > 15)
        s = std::string_view(buf, writeScientific(buf, value, 14));
    const bool negative = s.front() == '-';
    if (negative)
        s.remove_prefix(1);
    const std::size_t e = s.find('e');
    const std::size_t dot = s.find('.'); // none in "5e+00"
    std::string digits;
    digits.push_back(s[0]);
    if (dot < e)
        digits.append(s.substr(dot + 1, e - dot - 1));
    int exponent = 0;
    std::string_view expText = s.substr(e + 1);
    if (!expText.empty() && expText.front() == '+')
        expText.remove_prefix(1);
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out;
    if (negative)
        out.push_back('-');
    if (exponent < 0) {
        out += "0";
        out.append(sep);
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
        return out;
    }
    const std::size_t intLen = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intLen) {
        out += digits;
        out.append(intLen - digits.size(), '0');
    } else {
        out.append(digits, 0, intLen);
        out.append(sep);
        out.append(digits, intLen);
    }
    return out;
}

} // namespace haberes

namespace haberes {

namespace {

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i).starts_with(from)) {
            out.append(to);
            i += from.size();
        } else {
            out.push_back(text[i++]);
        }
    }
    return out;
}

// Whether the integer part of text (up to the decimal separator) is
// digits grouped by mark in threes: "1.000.000", "-12.500".
bool groupedInThrees(std::string_view text, std::string_view mark, std::string_view sep)
{
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (const std::size_t s = text.find(sep); !sep.empty() && s != std::string_view::npos)
        text = text.substr(0, s);
    std::size_t groups = 0;
    for (std::size_t start = 0;; ++groups) {
        const std::size_t end = text.find(mark, start);
        const std::string_view group = text.substr(start, end == std::string_view::npos ? end : end - start);
        const bool digits = !group.empty() && group.find_first_not_of("0123456789") == std::string_view::npos;
        if (!digits || (groups == 0 ? group.size() > 3 : group.size() != 3))
            return false;
        if (end == std::string_view::npos)
            return groups > 0;
        start = end + mark.size();
    }
}

} // namespace

NumberDiagnosis diagnoseNumberText(std::string_view text, std::string_view sep)
{
    NumberDiagnosis d;
    const std::string_view t = trimBlanks(text);
    if (t.empty()) {
        d.fault = NumberFault::empty;
        return d;
    }
    if (auto number = parseNumberText(t, sep)) {
        d.fault = number->negative ? NumberFault::tooSmall : NumberFault::tooLarge;
        return d;
    }
    for (std::string_view mark : {std::string_view(","), std::string_view(".")}) {
        if (mark == sep || t.find(mark) == std::string_view::npos)
            continue;
        d.mark = mark;
        const std::size_t first = t.find(mark);
        const bool once = t.find(mark, first + 1) == std::string_view::npos;
        if (once) {
            std::string decimal = replaceAll(t, mark, sep);
            if (parseNumberText(decimal, sep)) {
                d.asDecimal = std::move(decimal);
                // One mark before exactly three digits, as in "3.146", may
                // as well separate thousands.
                if (groupedInThrees(t, mark, sep)) {
                    d.fault = NumberFault::decimalOrThousands;
                    d.asWhole = replaceAll(t, mark, "");
                } else {
                    d.fault = NumberFault::otherSeparator;
                }
                return d;
            }
        }
        std::string whole = replaceAll(t, mark, "");
        if (groupedInThrees(t, mark, sep) && parseNumberText(whole, sep)) {
            d.fault = NumberFault::groupedDigits;
            d.asWhole = std::move(whole);
            return d;
        }
    }
    d = NumberDiagnosis{};
    return d;
}

} // namespace haberes

namespace haberes {

namespace {

// Digits d1 d2 ... times 10^exponent (one digit before the point) as plain
// decimal text.
std::string plainDecimal(const std::string& digits, int exponent)
{
    if (exponent < 0)
        return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const std::size_t intLen = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intLen)
        return digits + std::string(intLen - digits.size(), '0');
    return digits.substr(0, intLen) + "." + digits.substr(intLen);
}

} // namespace

std::string formatShortestReal(double value)
{
    if (!std::isfinite(value))
        return formatReal(value, ".");
    const char* sign = std::signbit(value) ? "-" : "";
    const double magnitude = std::fabs(value);
    if (magnitude == 0)
        return std::string(sign) + "0";
    // The fewest digits that read back as the value, and their exponent.
    char buf[kScientificRoom];
    const std::string_view text(buf, writeScientific(buf, magnitude));
    const std::size_t e = text.find('e');
    std::string digits;
    for (const char c : text.substr(0, e))
        if (isDigit(c))
            digits.push_back(c);
    const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string fixed = plainDecimal(digits, exponent);
    // A whole number past 2^53 is written plain with every digit of its
    // exact value, as std::to_chars does.
    if (exponent + 1 >= static_cast<int>(digits.size()) && magnitude >= 9007199254740992.0) {
        std::vector<char> exact(static_cast<std::size_t>(exponent) + 8);
        std::snprintf(exact.data(), exact.size(), "%.0f", magnitude);
        fixed = exact.data();
    }
    std::string scientific = digits.substr(0, 1);
    if (digits.size() > 1)
        scientific += "." + digits.substr(1);
    char exp[16];
    std::snprintf(exp, sizeof exp, "e%c%02d", exponent < 0 ? '-' : '+', exponent < 0 ? -exponent : exponent);
    scientific += exp;
    return sign + (scientific.size() < fixed.size() ? scientific : fixed);
}

} // namespace haberes

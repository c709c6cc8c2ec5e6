#include "engine/currency.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace haberes {

Currency Currency::fromDouble(double value)
{
    // nearbyint follows the default rounding mode, round-half-even.
    return Currency(static_cast<std::int64_t>(std::nearbyint(value * kScale)));
}

std::string formatAmount(Currency amount, std::string_view decimalSeparator)
{
    return formatAmount({}, amount, decimalSeparator);
}

std::string formatAmount(std::string_view prefix, Currency amount, std::string_view decimalSeparator)
{
    // Composed in one buffer and copied into the string once: amounts are
    // formatted for every line of every payslip.
    char buf[128];
    if (prefix.size() + decimalSeparator.size() > sizeof buf - 32)
        return std::string(prefix) + formatAmount(amount, decimalSeparator); // no real prefix is this long
    char* p = std::copy(prefix.begin(), prefix.end(), buf);

    const std::int64_t t = amount.ticks();
    // The magnitude as unsigned, so that the most negative value cannot
    // overflow.
    const std::uint64_t mag = t < 0 ? 0 - static_cast<std::uint64_t>(t) : static_cast<std::uint64_t>(t);
    if (t < 0)
        *p++ = '-';
    p = std::to_chars(p, buf + sizeof buf, mag / Currency::kScale).ptr;
    unsigned frac = static_cast<unsigned>(mag % Currency::kScale);
    if (frac != 0) {
        p = std::copy(decimalSeparator.begin(), decimalSeparator.end(), p);
        const char digits[4] = {static_cast<char>('0' + frac / 1000), static_cast<char>('0' + frac / 100 % 10),
                                static_cast<char>('0' + frac / 10 % 10), static_cast<char>('0' + frac % 10)};
        int len = 4;
        while (digits[len - 1] == '0')
            --len;
        p = std::copy(digits, digits + len, p);
    }
    return std::string(buf, static_cast<std::size_t>(p - buf));
}

} // namespace haberes

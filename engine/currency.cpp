#include "engine/currency.h"

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
    const std::int64_t t = amount.ticks();
    // Work on the magnitude as unsigned so that the most negative value
    // cannot overflow.
    std::uint64_t mag = t < 0 ? 0 - static_cast<std::uint64_t>(t) : static_cast<std::uint64_t>(t);
    std::uint64_t whole = mag / Currency::kScale;
    unsigned frac = static_cast<unsigned>(mag % Currency::kScale);

    std::string out;
    out.reserve(24);
    if (t < 0)
        out.push_back('-');
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    while (n > 0)
        out.push_back(digits[--n]);
    if (frac != 0) {
        out.append(decimalSeparator);
        char f[4] = {static_cast<char>('0' + frac / 1000), static_cast<char>('0' + frac / 100 % 10),
                     static_cast<char>('0' + frac / 10 % 10), static_cast<char>('0' + frac % 10)};
        int len = 4;
        while (f[len - 1] == '0')
            --len;
        out.append(f, static_cast<std::size_t>(len));
    }
    return out;
}

} // namespace haberes

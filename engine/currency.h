#pragma once
// Money: a signed count of ten-thousandths of a peso. Sums and differences
// are exact; a floating-point product becomes money only through
// Currency::fromDouble, the one rounding rule of the pay scale.
#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace haberes {

class Currency {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromTicks(std::int64_t ticks) { return Currency(ticks); }
    static constexpr Currency pesos(std::int64_t whole) { return Currency(whole * kScale); }

    // value × 10,000 rounded to the nearest integer, halves to the even
    // neighbour. The caller keeps value well inside the range (every input
    // that feeds a product is bounded when it is read).
    static Currency fromDouble(double value)
    {
        // What nearbyint gives in the default rounding mode, without a call:
        // beside 2^52 a double has no fraction left, so adding it rounds to
        // a whole number, halves to even, and taking it off again is exact.
        // From 2^52 on every double is already whole. Every line's amount
        // comes through here.
        double scaled = value * kScale;
        if (scaled < 0x1p52 && scaled > -0x1p52) {
            const double shift = scaled < 0 ? -0x1p52 : 0x1p52;
            scaled = (scaled + shift) - shift;
        }
        return Currency(static_cast<std::int64_t>(scaled));
    }

    constexpr std::int64_t ticks() const { return ticks_; }
    // The amount as a double: ticks / 10,000.
    double toDouble() const { return static_cast<double>(ticks_) / kScale; }

    constexpr Currency operator+(Currency o) const { return Currency(ticks_ + o.ticks_); }
    constexpr Currency operator-(Currency o) const { return Currency(ticks_ - o.ticks_); }
    constexpr Currency& operator+=(Currency o) { ticks_ += o.ticks_; return *this; }
    // Exact product by a whole number (a percentage, a count).
    constexpr Currency times(std::int64_t n) const { return Currency(ticks_ * n); }

    constexpr auto operator<=>(const Currency&) const = default;

private:
    constexpr explicit Currency(std::int64_t ticks) : ticks_(ticks) {}
    std::int64_t ticks_ = 0;
};

// Plain decimal text of an amount: optional '-', the integer digits without
// grouping, then the separator and up to four fractional digits without
// trailing zeros when there is a fraction ("2814,7262", "894,7", "0").
std::string formatAmount(Currency amount, std::string_view decimalSeparator);
// The same text after a prefix ("$ " + amount), written over out (which keeps its storage): amounts are written
// for every line of every payslip.
void formatAmountInto(std::string& out, std::string_view prefix, Currency amount, std::string_view decimalSeparator);
// The same plain text written at p, which has room for kMaxAmountText bytes
// plus the separator; gives the end of what it wrote.
inline constexpr std::size_t kMaxAmountText = 1 + 20 + 4;
char* writeAmount(char* p, Currency amount, std::string_view decimalSeparator);

} // namespace haberes

#include "engine/currency.h"

#include "engine/fixed_texts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <ostream>

namespace haberes {

std::string formatAmount(Currency amount, std::string_view decimalSeparator)
{
    std::string out;
    formatAmountInto(out, {}, amount, decimalSeparator);
    return out;
}

void formatAmountInto(std::string& out, std::string_view prefix, Currency amount, std::string_view decimalSeparator)
{
    // Composed in a local buffer and copied once: amounts are written for
    // every line of every payslip.
    const std::size_t longest = prefix.size() + kMaxAmountText + decimalSeparator.size();
    char local[96];
    std::string large;
    char* buf = local;
    if (longest > sizeof local) {
        large.resize(longest);
        buf = large.data();
    }
    char* p = std::copy(prefix.begin(), prefix.end(), buf);
    p = writeAmount(p, amount, decimalSeparator);
    out.assign(buf, static_cast<std::size_t>(p - buf));
}

char* writeAmount(char* p, Currency amount, std::string_view decimalSeparator)
{
    const std::int64_t t = amount.ticks();
    // The magnitude as unsigned, so that the most negative value cannot
    // overflow.
    const std::uint64_t mag = t < 0 ? 0 - static_cast<std::uint64_t>(t) : static_cast<std::uint64_t>(t);
    if (t < 0)
        *p++ = '-';
    // Whole pesos fit 32 bits on any payslip; 32-bit digits are much
    // cheaper to find than 64-bit ones.
    const std::uint64_t whole = mag / Currency::kScale;
    if (whole <= UINT32_MAX)
        p = std::to_chars(p, p + 10, static_cast<std::uint32_t>(whole)).ptr;
    else
        p = std::to_chars(p, p + 20, whole).ptr;
    const unsigned frac = static_cast<unsigned>(mag % Currency::kScale);
    if (frac != 0) {
        // A plain loop: the separator is one or two bytes, not worth a call.
        for (const char c : decimalSeparator)
            *p++ = c;
        static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                         "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                         "8081828384858687888990919293949596979899";
        const unsigned hi = frac / 100, lo = frac % 100;
        p[0] = kPairs[2 * hi];
        p[1] = kPairs[2 * hi + 1];
        p[2] = kPairs[2 * lo];
        p[3] = kPairs[2 * lo + 1];
        int len = 4;
        while (p[len - 1] == '0')
            --len;
        p += len;
    }
    return p;
}

void AmountText::write(std::string_view prefix, Currency amount, std::string_view decimalSeparator)
{
    prefix = prefix.substr(0, 2);
    decimalSeparator = decimalSeparator.substr(0, kMaxSeparator);
    char* const begin = reinterpret_cast<char*>(buf_);
    char* p = begin;
    for (const char c : prefix)
        *p++ = c;
    p = writeAmount(p, amount, decimalSeparator);
    len_ = static_cast<std::uint8_t>(p - begin);
}

std::ostream& operator<<(std::ostream& os, const AmountText& t) { return os << t.view(); }

} // namespace haberes

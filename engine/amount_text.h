#pragma once
// An amount as the payslip shows it ("$ 1342,05", "$2814,7262"), kept
// inside the payslip rather than on the heap: one is written for every line
// of every payslip, and the command line writes them by the hundred
// thousand.
#include "engine/currency.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace haberes {

class AmountText {
public:
    // Room for "$ ", a sign, 19 digits, four decimals and a separator of up
    // to kMaxSeparator bytes; a longer separator is cut to that.
    static constexpr std::size_t kMaxSeparator = 16;

    AmountText() = default;
    AmountText(std::string_view prefix, Currency amount, std::string_view decimalSeparator)
    {
        write(prefix, amount, decimalSeparator);
    }

    // prefix is at most two bytes ("$ " or "$").
    void write(std::string_view prefix, Currency amount, std::string_view decimalSeparator);

    std::string_view view() const { return {reinterpret_cast<const char*>(buf_), len_}; }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }
    std::size_t size() const { return len_; }
    bool empty() const { return len_ == 0; }

    friend bool operator==(const AmountText& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const AmountText& a, const AmountText& b) { return a.view() == b.view(); }
    friend std::string operator+(const std::string& a, const AmountText& b) { return a + std::string(b.view()); }
    friend std::string operator+(const AmountText& a, const std::string& b) { return std::string(a.view()) + b; }
    friend std::string operator+(const AmountText& a, const char* b) { return std::string(a.view()) + b; }
    friend std::ostream& operator<<(std::ostream& os, const AmountText& t);

private:
    // Left unset beyond len_: clearing it would cost more than writing it
    // (unsigned, so that copying the unset bytes is well defined).
    unsigned char buf_[2 + kMaxAmountText + kMaxSeparator];
    std::uint8_t len_ = 0;
};

} // namespace haberes

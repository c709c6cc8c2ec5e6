#pragma once
// The texts of a payslip that are kept inside it, in room of a fixed size,
// rather than on the heap. A payslip is built, copied and written for every
// calculation, and the command line makes them by the hundred thousand: a
// heap block for each short text cost more than computing the amounts.
//
//   InlineText    header texts and quantities: most are a few characters;
//                 a longer one is kept whole on the heap.
//   AmountText    the amount text of a line or total ("$ 1342,05"): one for
//                 every line, never longer than its room.
//   CountText     a whole number for the quantity column ("3", "20 %"),
//                 written without building a string, since the line copies
//                 its quantity anyway.
//   QuantityText  what a line's quantity cell shows, or that it is hidden.
#include "engine/currency.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace haberes {

// ---- A short text in room of Room bytes, whole on the heap past it.
template <std::size_t Room>
class InlineText {
    static_assert(Room < 256);

public:
    InlineText() = default;
    InlineText(std::string_view text) { assign(text); }
    InlineText& operator=(std::string_view text)
    {
        assign(text);
        return *this;
    }

    void assign(std::string_view text)
    {
        if (text.size() <= Room) {
            for (std::size_t i = 0; i < text.size(); ++i)
                short_[i] = static_cast<unsigned char>(text[i]);
            len_ = static_cast<std::uint8_t>(text.size());
            if (isLong_) {
                long_.clear();
                long_.shrink_to_fit();
                isLong_ = false;
            }
        } else {
            long_.assign(text);
            isLong_ = true;
        }
    }

    std::string_view view() const
    {
        return isLong_ ? std::string_view(long_) : std::string_view(reinterpret_cast<const char*>(short_), len_);
    }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }
    bool empty() const { return view().empty(); }
    std::size_t size() const { return view().size(); }

    friend bool operator==(const InlineText& a, const InlineText& b) { return a.view() == b.view(); }
    friend bool operator==(const InlineText& a, std::string_view b) { return a.view() == b; }
    friend std::string operator+(const std::string& a, const InlineText& b) { return a + b.str(); }
    friend std::string operator+(const InlineText& a, const std::string& b) { return a.str() + b; }
    friend std::ostream& operator<<(std::ostream& os, const InlineText& t) { return os << '"' << t.view() << '"'; }

private:
    std::string long_;
    // Left unset beyond len_ (unsigned, so that copying it is well defined).
    unsigned char short_[Room];
    std::uint8_t len_ = 0;
    bool isLong_ = false;
};

// ---- An amount as the payslip shows it ("$ 1342,05", "$2814,7262").
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

// ---- A whole number with an optional suffix ("3", "20 %").
class CountText {
public:
    CountText() = default;
    explicit CountText(int value, std::string_view suffix = {})
    {
        char* p = std::to_chars(buf_, buf_ + 12, value).ptr;
        for (const char c : suffix.substr(0, sizeof buf_ - static_cast<std::size_t>(p - buf_)))
            *p++ = c;
        len_ = static_cast<std::size_t>(p - buf_);
    }
    operator std::string_view() const { return {buf_, len_}; }

private:
    char buf_[16] = {};
    std::size_t len_ = 0;
};

// ---- The quantity cell of a line ("1", "3 %", "21,7"): none at all hides
// the cell, an empty text leaves it blank.
using QuantityText = std::optional<InlineText<22>>;

} // namespace haberes

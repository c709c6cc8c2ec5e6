#pragma once
// What the quantity cell of a line shows ("1", "3 %", "21,7"), or nothing at
// all (the cell hidden). Kept inside the line: one is written for nearly
// every line of every payslip. A text longer than the room (hours typed
// with blanks or leading zeros) is kept whole on the heap.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace haberes {

class QuantityText {
public:
    QuantityText() = default;
    QuantityText(std::nullopt_t) {}
    QuantityText(std::string_view text) { assign(text); }

    void assign(std::string_view text)
    {
        present_ = true;
        if (text.size() <= sizeof short_) {
            for (std::size_t i = 0; i < text.size(); ++i)
                short_[i] = static_cast<unsigned char>(text[i]);
            len_ = static_cast<std::uint8_t>(text.size());
            long_.clear();
            isLong_ = false;
        } else {
            long_.assign(text);
            isLong_ = true;
        }
    }

    bool has_value() const { return present_; }
    explicit operator bool() const { return present_; }
    // The text; empty when there is none.
    std::string_view operator*() const
    {
        if (isLong_)
            return long_;
        return {reinterpret_cast<const char*>(short_), len_};
    }

    friend bool operator==(const QuantityText& a, const QuantityText& b)
    {
        return a.present_ == b.present_ && *a == *b;
    }
    friend bool operator==(const QuantityText& q, std::string_view text) { return q.present_ && *q == text; }
    friend bool operator==(const QuantityText& q, std::nullopt_t) { return !q.present_; }
    friend std::ostream& operator<<(std::ostream& os, const QuantityText& q);

private:
    std::string long_;
    // Left unset beyond len_ (unsigned, so that copying it is well defined).
    unsigned char short_[22];
    std::uint8_t len_ = 0;
    bool present_ = false;
    bool isLong_ = false;
};

} // namespace haberes

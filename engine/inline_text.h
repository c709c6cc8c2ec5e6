#pragma once
// A short text kept inside the record that holds it: the payslip's
// quantities and header texts are copied for every payslip, and most are
// a few characters. A text longer than the room is kept whole on the heap.
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace haberes {

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

} // namespace haberes

#include "common/json_text.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace haberes {

namespace {

// Whether any of the eight bytes is a control character, '"' or '\\'.
inline bool needsEscape(std::uint64_t x)
{
    constexpr std::uint64_t ones = 0x0101010101010101ULL, high = 0x8080808080808080ULL;
    auto hasZero = [](std::uint64_t v) { return (v - ones) & ~v & high; };
    const std::uint64_t below20 = (x - 0x20 * ones) & ~x & high;
    return (below20 | hasZero(x ^ ('"' * ones)) | hasZero(x ^ ('\\' * ones))) != 0;
}

char* put(char* p, std::string_view s)
{
    std::memcpy(p, s.data(), s.size());
    return p + s.size();
}

char* escapeByte(char* p, unsigned char c, JsonEscapes escapes)
{
    if (escapes == JsonEscapes::shortForms && (c == '\b' || c == '\f'))
        return put(p, c == '\b' ? "\\b" : "\\f");
    switch (c) {
    case '"': return put(p, "\\\"");
    case '\\': return put(p, "\\\\");
    case '\n': return put(p, "\\n");
    case '\r': return put(p, "\\r");
    case '\t': return put(p, "\\t");
    default:
        if (c >= 0x20) {
            *p = static_cast<char>(c);
            return p + 1;
        }
        static const char hex[] = "0123456789abcdef";
        const char esc[] = {'\\', 'u', '0', '0', hex[c >> 4], hex[c & 0xf]};
        return put(p, {esc, sizeof esc});
    }
}

constexpr auto kEscaped = [] {
    std::array<bool, 256> t{};
    for (int c = 0; c < 0x20; ++c)
        t[c] = true;
    t['"'] = t['\\'] = true;
    return t;
}();

char* copyOrEscape(char* p, const char* s, const char* end, JsonEscapes escapes)
{
    for (; s < end; ++s) {
        const auto c = static_cast<unsigned char>(*s);
        if (kEscaped[c])
            p = escapeByte(p, c, escapes);
        else
            *p++ = static_cast<char>(c);
    }
    return p;
}

// Text as a JSON string; UTF-8 passes through, control characters are
// escaped. Eight bytes at a time while none needs escaping; the output has
// room to store eight bytes past any text.
char* quote(char* p, std::string_view text, JsonEscapes escapes)
{
    *p++ = '"';
    const char* s = text.data();
    const char* const end = s + text.size();
    if constexpr (std::endian::native == std::endian::little) {
        if (text.size() >= 8) {
            for (; end - s >= 8; s += 8) {
                std::uint64_t x;
                std::memcpy(&x, s, 8);
                if (needsEscape(x)) {
                    p = copyOrEscape(p, s, s + 8, escapes);
                } else {
                    std::memcpy(p, s, 8);
                    p += 8;
                }
            }
            // The last bytes, read as the end of the final eight and
            // tested among harmless padding.
            if (const auto rest = static_cast<unsigned>(end - s); rest > 0) {
                std::uint64_t x;
                std::memcpy(&x, end - 8, 8);
                x = (x >> (8 * (8 - rest))) | (0x6161616161616161ULL << (8 * rest)); // "a" padding
                if (needsEscape(x)) {
                    p = copyOrEscape(p, s, end, escapes);
                } else {
                    std::memcpy(p, &x, 8);
                    p += rest;
                }
            }
            *p++ = '"';
            return p;
        }
    }
    p = copyOrEscape(p, s, end, escapes);
    *p++ = '"';
    return p;
}

} // namespace

char* writeJsonText(char* p, std::string_view text, JsonEscapes escapes) { return quote(p, text, escapes); }

void appendJsonText(std::string& out, std::string_view text, JsonEscapes escapes)
{
    const std::size_t size = out.size();
    out.resize(size + jsonTextRoom(text.size()));
    char* const end = writeJsonText(out.data() + size, text, escapes);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

} // namespace haberes

#include "cli/payslip_json.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace haberes::cli {

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

char* escapeByte(char* p, unsigned char c)
{
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

char* copyOrEscape(char* p, const char* s, const char* end)
{
    for (; s < end; ++s) {
        const auto c = static_cast<unsigned char>(*s);
        if (kEscaped[c])
            p = escapeByte(p, c);
        else
            *p++ = static_cast<char>(c);
    }
    return p;
}

// Text as a JSON string; UTF-8 passes through, control characters are
// escaped. Eight bytes at a time while none needs escaping; the output has
// room to store eight bytes past any text.
char* quote(char* p, std::string_view text)
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
                    p = copyOrEscape(p, s, s + 8);
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
                    p = copyOrEscape(p, s, end);
                } else {
                    std::memcpy(p, &x, 8);
                    p += rest;
                }
            }
            *p++ = '"';
            return p;
        }
    }
    p = copyOrEscape(p, s, end);
    *p++ = '"';
    return p;
}

// Writes at the end of an output buffer, asking for room before each
// piece.
class Json {
public:
    explicit Json(OutputBuffer& out) : out_(out), p_(out.end()) {}
    ~Json() { out_.commit(p_); }

    Json& put(std::string_view s)
    {
        p_ = out_.room(p_, s.size());
        std::memcpy(p_, s.data(), s.size());
        p_ += s.size();
        return *this;
    }
    // A JSON string: two quotes, at most six bytes (\u00XX) for each byte,
    // and eight to spare for the last eight-byte store.
    Json& text(std::string_view s)
    {
        p_ = quote(out_.room(p_, 2 + 6 * s.size() + 8), s);
        return *this;
    }
    Json& textOrNull(const std::optional<std::string>& s) { return s ? text(*s) : put("null"); }
    Json& textOrNull(const QuantityText& s) { return s ? text(*s) : put("null"); }
    // The exact amount in canonical form: '.' as separator, whatever the
    // locale.
    Json& amount(Currency value)
    {
        p_ = out_.room(p_, kMaxAmountText + 3);
        *p_++ = '"';
        p_ = writeAmount(p_, value, ".");
        *p_++ = '"';
        return *this;
    }
    Json& number(int value)
    {
        p_ = std::to_chars(out_.room(p_, 12), p_ + 12, value).ptr;
        return *this;
    }
    // Member names are this program's own plain identifiers: no escaping.
    Json& member(std::string_view nameAndColon, std::string_view value) { return put(nameAndColon).text(value); }

private:
    OutputBuffer& out_;
    char* p_;
};

std::string asText(auto write)
{
    OutputBuffer out;
    write(out);
    return std::string(out.view());
}

} // namespace

void writePayslipJson(OutputBuffer& out, const Payslip& p)
{
    Json json(out);
    json.member("{\"ok\": true, \"docente\": ", p.docente)
        .member(", \"date\": ", p.date)
        .member(", \"escala\": ", p.escala);
    const PayslipHeader& h = p.header;
    json.member(", \"header\": {\"caption\": ", h.caption)
        .member(", \"numcargo\": ", h.numcargo)
        .member(", \"punbasicos\": ", h.punbasicos)
        .member(", \"carsel\": ", h.carsel);
    if (h.positionPointsShown)
        json.member(", \"positionPoints\": {\"compbas\": ", h.compbas)
            .member(", \"tardif\": ", h.tardif)
            .member(", \"jorcom\": ", h.jorcom)
            .member(", \"proljor\": ", h.proljor)
            .put("}}, \"lines\": [");
    else
        json.put(", \"positionPoints\": null}, \"lines\": [");
    for (int i = 0; i < p.fila; ++i) {
        const PayslipLine& l = p.lines[static_cast<std::size_t>(i)];
        json.put(i > 0 ? std::string_view(", {\"row\": ") : std::string_view("{\"row\": "))
            .number(l.row)
            .member(", \"code\": ", l.code)
            .put(", \"quantity\": ")
            .textOrNull(l.quantity)
            .member(", \"concept\": ", l.concepto)
            .put(l.column == Column::earnings ? std::string_view(", \"column\": \"earnings\", \"amount\": ")
                                              : std::string_view(", \"column\": \"deductions\", \"amount\": "))
            .amount(l.amount)
            .member(", \"text\": ", l.text);
        // Asked for by --explicar only.
        if (p.explaining())
            json.member(", \"explicacion\": ", p.explanationOf(i));
        json.put("}");
    }
    json.put("], \"totals\": {\"totalhab\": ")
        .amount(p.totalhab)
        .put(", \"totaldesc\": ")
        .amount(p.totaldesc)
        .put(", \"totalliq\": ")
        .amount(p.totalliq)
        .member(", \"thaberes\": ", p.thaberes)
        .member(", \"tdescuentos\": ", p.tdescuentos)
        .member(", \"liquido\": ", p.liquido)
        .put("}}");
}

void writeRefusalJson(OutputBuffer& out, const Refusal& r)
{
    Json json(out);
    json.put("{\"ok\": false, \"field\": ");
    if (r.field)
        json.text(fieldName(*r.field));
    else
        json.put("null");
    json.member(", \"error\": ", r.message).put("}");
}

void writeMalformedJson(OutputBuffer& out, const std::optional<std::string>& key, std::string_view error)
{
    Json(out).put("{\"ok\": false, \"field\": ").textOrNull(key).member(", \"error\": ", error).put("}");
}

std::string payslipJson(const Payslip& p)
{
    return asText([&p](OutputBuffer& out) { writePayslipJson(out, p); });
}

std::string refusalJson(const Refusal& r)
{
    return asText([&r](OutputBuffer& out) { writeRefusalJson(out, r); });
}

std::string malformedJson(const std::optional<std::string>& key, const std::string& error)
{
    return asText([&](OutputBuffer& out) { writeMalformedJson(out, key, error); });
}

} // namespace haberes::cli

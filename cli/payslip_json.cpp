#include "cli/payslip_json.h"

#include <charconv>
#include <cstdint>
#include <cstring>

namespace haberes::cli {

namespace {

// Room for one text written as a JSON string: its quotes, and at most six
// bytes (\u00XX) for each byte of it.
constexpr std::size_t quotedBound(std::string_view text) { return 2 + 6 * text.size(); }
// Room for everything around the texts of one payslip line or of the
// header and totals: member names, punctuation, a row number and amounts.
constexpr std::size_t kLineFrame = 256;
constexpr std::size_t kPayslipFrame = 1024;

inline char* put(char* p, std::string_view s)
{
    std::memcpy(p, s.data(), s.size());
    return p + s.size();
}

// Whether any of the eight bytes is a control character, '"' or '\\'.
inline bool needsEscape(std::uint64_t x)
{
    constexpr std::uint64_t ones = 0x0101010101010101ULL, high = 0x8080808080808080ULL;
    auto hasZero = [](std::uint64_t v) { return (v - ones) & ~v & high; };
    const std::uint64_t below20 = (x - 0x20 * ones) & ~x & high;
    return (below20 | hasZero(x ^ ('"' * ones)) | hasZero(x ^ ('\\' * ones))) != 0;
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

// Text as a JSON string; UTF-8 passes through, control characters are
// escaped. Eight bytes at a time while none needs escaping.
char* quote(char* p, std::string_view text)
{
    *p++ = '"';
    const char* s = text.data();
    const char* const end = s + text.size();
    while (end - s >= 8) {
        std::uint64_t x;
        std::memcpy(&x, s, 8);
        if (!needsEscape(x)) {
            std::memcpy(p, s, 8);
            p += 8;
            s += 8;
            continue;
        }
        for (int i = 0; i < 8; ++i)
            p = escapeByte(p, static_cast<unsigned char>(*s++));
    }
    while (s < end)
        p = escapeByte(p, static_cast<unsigned char>(*s++));
    *p++ = '"';
    return p;
}

// The exact amount in canonical form: '.' as separator, whatever the locale.
char* amount(char* p, Currency value)
{
    *p++ = '"';
    p = writeAmount(p, value, ".");
    *p++ = '"';
    return p;
}

// Member names are this program's own plain identifiers: no escaping.
char* member(char* p, std::string_view nameAndColon, std::string_view value)
{
    return quote(put(p, nameAndColon), value);
}

std::string asText(std::size_t bound, auto write)
{
    std::string out(bound, '\0');
    out.resize(static_cast<std::size_t>(write(out.data()) - out.data()));
    return out;
}

} // namespace

std::size_t payslipJsonBound(const Payslip& p)
{
    const PayslipHeader& h = p.header;
    std::size_t n = kPayslipFrame;
    for (std::string_view t : {std::string_view(p.docente), std::string_view(p.date), h.caption,
                               std::string_view(h.numcargo), std::string_view(h.punbasicos),
                               std::string_view(h.carsel), std::string_view(h.compbas), std::string_view(h.tardif),
                               std::string_view(h.jorcom), std::string_view(h.proljor), std::string_view(p.thaberes),
                               std::string_view(p.tdescuentos), std::string_view(p.liquido)})
        n += quotedBound(t);
    for (int i = 0; i < p.fila; ++i) {
        const PayslipLine& l = p.lines[static_cast<std::size_t>(i)];
        n += kLineFrame + quotedBound(l.code) + quotedBound(l.concepto) + quotedBound(l.text) +
             (l.quantity ? quotedBound(*l.quantity) : 0);
    }
    return n;
}

char* writePayslipJson(char* out, const Payslip& p)
{
    out = member(out, "{\"ok\": true, \"docente\": ", p.docente);
    out = member(out, ", \"date\": ", p.date);
    const PayslipHeader& h = p.header;
    out = member(out, ", \"header\": {\"caption\": ", h.caption);
    out = member(out, ", \"numcargo\": ", h.numcargo);
    out = member(out, ", \"punbasicos\": ", h.punbasicos);
    out = member(out, ", \"carsel\": ", h.carsel);
    if (h.positionPointsShown) {
        out = member(out, ", \"positionPoints\": {\"compbas\": ", h.compbas);
        out = member(out, ", \"tardif\": ", h.tardif);
        out = member(out, ", \"jorcom\": ", h.jorcom);
        out = member(out, ", \"proljor\": ", h.proljor);
        out = put(out, "}}, \"lines\": [");
    } else {
        out = put(out, ", \"positionPoints\": null}, \"lines\": [");
    }
    for (int i = 0; i < p.fila; ++i) {
        const PayslipLine& l = p.lines[static_cast<std::size_t>(i)];
        out = put(out, i > 0 ? std::string_view(", {\"row\": ") : std::string_view("{\"row\": "));
        out = std::to_chars(out, out + 16, l.row).ptr;
        out = member(out, ", \"code\": ", l.code);
        out = put(out, ", \"quantity\": ");
        out = l.quantity ? quote(out, *l.quantity) : put(out, "null");
        out = member(out, ", \"concept\": ", l.concepto);
        out = put(out, l.column == Column::earnings ? std::string_view(", \"column\": \"earnings\", \"amount\": ")
                                                    : std::string_view(", \"column\": \"deductions\", \"amount\": "));
        out = amount(out, l.amount);
        out = member(out, ", \"text\": ", l.text);
        *out++ = '}';
    }
    out = amount(put(out, "], \"totals\": {\"totalhab\": "), p.totalhab);
    out = amount(put(out, ", \"totaldesc\": "), p.totaldesc);
    out = amount(put(out, ", \"totalliq\": "), p.totalliq);
    out = member(out, ", \"thaberes\": ", p.thaberes);
    out = member(out, ", \"tdescuentos\": ", p.tdescuentos);
    out = member(out, ", \"liquido\": ", p.liquido);
    return put(out, "}}");
}

std::size_t refusalJsonBound(const Refusal& r)
{
    return kLineFrame + (r.field ? quotedBound(fieldName(*r.field)) : 0) + quotedBound(r.message);
}

char* writeRefusalJson(char* out, const Refusal& r)
{
    out = put(out, "{\"ok\": false, \"field\": ");
    out = r.field ? quote(out, fieldName(*r.field)) : put(out, "null");
    out = member(out, ", \"error\": ", r.message);
    *out++ = '}';
    return out;
}

std::size_t malformedJsonBound(const std::optional<std::string>& key, std::string_view error)
{
    return kLineFrame + (key ? quotedBound(*key) : 0) + quotedBound(error);
}

char* writeMalformedJson(char* out, const std::optional<std::string>& key, std::string_view error)
{
    out = put(out, "{\"ok\": false, \"field\": ");
    out = key ? quote(out, *key) : put(out, "null");
    out = member(out, ", \"error\": ", error);
    *out++ = '}';
    return out;
}

std::string payslipJson(const Payslip& p)
{
    return asText(payslipJsonBound(p), [&p](char* out) { return writePayslipJson(out, p); });
}

std::string refusalJson(const Refusal& r)
{
    return asText(refusalJsonBound(r), [&r](char* out) { return writeRefusalJson(out, r); });
}

std::string malformedJson(const std::optional<std::string>& key, const std::string& error)
{
    return asText(malformedJsonBound(key, error), [&](char* out) { return writeMalformedJson(out, key, error); });
}

} // namespace haberes::cli

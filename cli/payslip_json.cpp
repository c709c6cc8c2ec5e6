#include "cli/payslip_json.h"

namespace haberes::cli {

namespace {

// Appends text as a JSON string; UTF-8 passes through, control characters
// are escaped.
void quote(std::string& out, std::string_view text)
{
    out.push_back('"');
    std::size_t run = 0; // start of the pending run of plain characters
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(text.substr(run, i - run));
        run = i + 1;
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: {
            static const char hex[] = "0123456789abcdef";
            const char esc[] = {'\\', 'u', '0', '0', hex[c >> 4], hex[c & 0xf]};
            out.append(esc, sizeof esc);
        }
        }
    }
    out.append(text.substr(run));
    out.push_back('"');
}

// Member names are this program's own plain identifiers: no escaping.
void member(std::string& out, std::string_view name, std::string_view value)
{
    out.push_back('"');
    out.append(name);
    out.append("\": ");
    quote(out, value);
}

// The exact amount in canonical form: '.' as separator, whatever the locale.
void amountMember(std::string& out, std::string_view name, Currency amount)
{
    member(out, name, formatAmount(amount, "."));
}

} // namespace

std::string payslipJson(const Payslip& p)
{
    std::string out;
    out.reserve(4096);
    out += "{\"ok\": true, ";
    member(out, "docente", p.docente);
    out += ", ";
    member(out, "date", p.date);
    out += ", \"header\": {";
    const PayslipHeader& h = p.header;
    member(out, "caption", h.caption);
    out += ", ";
    member(out, "numcargo", h.numcargo);
    out += ", ";
    member(out, "punbasicos", h.punbasicos);
    out += ", ";
    member(out, "carsel", h.carsel);
    out += ", \"positionPoints\": ";
    if (h.positionPointsShown) {
        out += "{";
        member(out, "compbas", h.compbas);
        out += ", ";
        member(out, "tardif", h.tardif);
        out += ", ";
        member(out, "jorcom", h.jorcom);
        out += ", ";
        member(out, "proljor", h.proljor);
        out += "}";
    } else {
        out += "null";
    }
    out += "}, \"lines\": [";
    for (int i = 0; i < p.fila; ++i) {
        const PayslipLine& l = p.lines[static_cast<std::size_t>(i)];
        if (i > 0)
            out += ", ";
        out += "{\"row\": ";
        out += std::to_string(l.row);
        out += ", ";
        member(out, "code", l.code);
        out += ", \"quantity\": ";
        if (l.quantity)
            quote(out, *l.quantity);
        else
            out += "null";
        out += ", ";
        member(out, "concept", l.concepto);
        out += ", ";
        member(out, "column", l.column == Column::earnings ? "earnings" : "deductions");
        out += ", ";
        amountMember(out, "amount", l.amount);
        out += ", ";
        member(out, "text", l.text);
        out += "}";
    }
    out += "], \"totals\": {";
    amountMember(out, "totalhab", p.totalhab);
    out += ", ";
    amountMember(out, "totaldesc", p.totaldesc);
    out += ", ";
    amountMember(out, "totalliq", p.totalliq);
    out += ", ";
    member(out, "thaberes", p.thaberes);
    out += ", ";
    member(out, "tdescuentos", p.tdescuentos);
    out += ", ";
    member(out, "liquido", p.liquido);
    out += "}}";
    return out;
}

std::string refusalJson(const Refusal& r)
{
    std::string out = "{\"ok\": false, \"field\": ";
    if (r.field)
        quote(out, fieldName(*r.field));
    else
        out += "null";
    out += ", ";
    member(out, "error", r.message);
    out += "}";
    return out;
}

std::string malformedJson(const std::optional<std::string>& key, const std::string& error)
{
    std::string out = "{\"ok\": false, \"field\": ";
    if (key)
        quote(out, *key);
    else
        out += "null";
    out += ", ";
    member(out, "error", error);
    out += "}";
    return out;
}

} // namespace haberes::cli

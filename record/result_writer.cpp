#include "record/result_writer.h"

#include "common/json_text.h"
#include "record/record_keys.h"

#include <charconv>
#include <cstring>

namespace haberes::record {

namespace {

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
    Json& text(std::string_view s)
    {
        p_ = writeJsonText(out_.room(p_, jsonTextRoom(s.size())), s);
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
    for (int i = 0; i < p.fila(); ++i) {
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
        json.text(recordKey(*r.field));
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

} // namespace haberes::record

// One haberes-cli input line: JSON parsing, building the entries, the
// calculation under both kinds of locale, and the output, which must be
// valid JSON whose totals are the sums of its lines. The other JSON parser
// must give the same record.
#include "record/nlohmann_source.h"
#include "record/record_reader.h"
#include "record/result_writer.h"
#include "record/simdjson_source.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>
#include <cstdlib>

using namespace haberes;

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void checkPayslip(const Payslip& p)
{
    check(p.fila() >= 1 && p.fila() <= Payslip::kRows - 1);
    Currency earnings, deductions;
    bool jornada = false;
    for (int i = 0; i < p.fila(); ++i) {
        const PayslipLine& l = p.lines[static_cast<std::size_t>(i)];
        check(l.row == i);
        if (l.code == "052") {
            if (jornada)
                continue;
            jornada = true;
        }
        (l.column == Column::earnings ? earnings : deductions) += l.amount;
    }
    check(p.totalhab == earnings && p.totaldesc == deductions && p.totalliq == earnings - deductions);
}

// Whether the number that ends at `end` is too large or too small for a
// double.
bool outOfRangeNumberEndsAt(std::string_view line, std::size_t end)
{
    if (end > line.size())
        return false;
    std::size_t start = end;
    while (start > 0 && std::string_view("0123456789eE+-.").find(line[start - 1]) != std::string_view::npos)
        --start;
    double v = 0;
    const auto [ptr, ec] = std::from_chars(line.data() + start, line.data() + end, v);
    return ptr == line.data() + end && ec == std::errc::result_out_of_range;
}

record::SimdjsonSource json;

// What the line reader accepts, Qt's JSON parser reads the same way.
void compareWithQt(std::string_view line)
{
    std::vector<record::JsonMember> members;
    std::string error;
    if (!json.readObject(line, members, error))
        return;
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray(line.data(), qsizetype(line.size())), &err);
    if (err.error == QJsonParseError::IllegalNumber && outOfRangeNumberEndsAt(line, std::size_t(err.offset)))
        return; // Qt refuses the line; the reader keeps the number as one no key accepts
    check(err.error == QJsonParseError::NoError && doc.isObject());
    const QJsonObject obj = doc.object();
    for (const record::JsonMember& m : members) {
        const QJsonValue v = obj.value(QString::fromStdString(m.key));
        check(!v.isUndefined());
        int times = 0;
        for (const record::JsonMember& other : members)
            times += other.key == m.key;
        if (times > 1)
            continue; // which duplicate wins is not compared
        switch (m.value.kind) {
        case record::JsonValue::Kind::text: check(v.toString().toStdString() == m.value.text); break;
        case record::JsonValue::Kind::boolean: check(v.isBool() && v.toBool() == m.value.boolean); break;
        case record::JsonValue::Kind::number:
            check(v.isDouble() && (m.value.number != m.value.number || v.toDouble() == m.value.number));
            break;
        case record::JsonValue::Kind::null: check(v.isNull()); break;
        case record::JsonValue::Kind::array: check(v.isArray()); break;
        case record::JsonValue::Kind::object: check(v.isObject()); break;
        }
    }
}

// Both parsers give the same record, or both none; only a number too large
// for a double is refused by nlohmann-json alone.
void compareParsers(std::string_view line, const record::RecordRead& read)
{
    static record::NlohmannSource other;
    const record::RecordRead otherRead = record::readRecord(other, line);
    if (!otherRead.record && !read.record)
        return;
    check(otherRead.record == read.record);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    compareWithQt(line);
    const record::RecordRead read = record::readRecord(json, line);
    compareParsers(line, read);
    std::string out;
    if (!read.record) {
        check(!read.error.empty());
        out = record::malformedJson(read.key, read.error);
    } else {
        for (const char* sep : {",", "."}) {
            CalcResult r = calculate(read.record->entries, NumberFormat{sep});
            if (r.ok()) {
                checkPayslip(*r.payslip);
                out = record::payslipJson(*r.payslip);
            } else {
                check(!r.refusal.message.empty());
                out = record::refusalJson(r.refusal);
            }
        }
    }
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(out), &err);
    check(err.error == QJsonParseError::NoError && doc.isObject());
    return 0;
}

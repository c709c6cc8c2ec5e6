#include "record/record_writer.h"

#include "common/json_text.h"
#include "engine/position_entries.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

namespace haberes::record {

namespace {

// The entries files have always had their keys in this order.
const std::vector<const RecordKey*>& keysByName()
{
    static const std::vector<const RecordKey*> sorted = [] {
        std::vector<const RecordKey*> v;
        for (const RecordKey& k : recordKeys())
            v.push_back(&k);
        std::sort(v.begin(), v.end(), [](const RecordKey* a, const RecordKey* b) { return a->name < b->name; });
        return v;
    }();
    return sorted;
}

int selectedSeniority(const PayEntries& e)
{
    for (std::size_t i = 0; i < e.Option.size(); ++i)
        if (e.Option[i])
            return static_cast<int>(i) + 1;
    return 0;
}

void appendNumber(std::string& out, int value)
{
    std::array<char, 12> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    out.append(digits.data(), end);
}

} // namespace

std::string recordText(const PayRecord& record, const PayScale& scale)
{
    const PayEntries& e = record.entries;
    PayEntries row;
    choosePositionByCode(row, e.codigocargo, scale);

    std::string out = "{";
    for (const RecordKey* key : keysByName()) {
        const RecordKey& k = *key;
        switch (k.written) {
        case Written::always: break;
        case Written::unlessEmpty:
            if (keyText(record, k).empty())
                continue;
            break;
        case Written::unlessFromCode:
            if (e.*k.box == row.*k.box)
                continue;
            break;
        case Written::never: continue;
        case Written::unlessAbsent:
            if (k.kind == KeyKind::paid ? !record.cobrado : !record.escala)
                continue;
            break;
        }
        if (out.size() > 1)
            out += ',';
        out += '"';
        out += k.name;
        out += "\":";
        switch (k.kind) {
        case KeyKind::text:
        case KeyKind::code: appendJsonText(out, keyText(record, k), JsonEscapes::shortForms); break;
        case KeyKind::option: out += e.*k.option ? "true" : "false"; break;
        case KeyKind::flag: appendNumber(out, e.*k.flag); break;
        case KeyKind::seniority: appendNumber(out, selectedSeniority(e)); break;
        case KeyKind::zone: appendNumber(out, e.zona); break;
        case KeyKind::paid:
            out += '{';
            for (const auto& [code, amount] : *record.cobrado) {
                if (out.back() != '{')
                    out += ',';
                appendJsonText(out, code, JsonEscapes::shortForms);
                out += ':';
                appendJsonText(out, amount, JsonEscapes::shortForms);
            }
            out += '}';
            break;
        case KeyKind::scale: appendJsonText(out, *record.escala, JsonEscapes::shortForms); break;
        }
    }
    out += "}\n";
    return out;
}

} // namespace haberes::record

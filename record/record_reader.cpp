#include "record/record_reader.h"

#include "engine/position_entries.h"

#include <cmath>
#include <vector>

namespace haberes::record {

namespace {

// A JSON number that is a whole number within [min, max].
std::optional<int> wholeIn(const JsonValue& v, int min, int max)
{
    if (v.kind != JsonValue::Kind::number)
        return std::nullopt;
    const double d = v.number;
    if (!(d >= min && d <= max) || std::floor(d) != d)
        return std::nullopt;
    return static_cast<int>(d);
}

RecordRead malformed(const std::string& key, std::string error)
{
    RecordRead r;
    r.key = key;
    r.error = std::move(error);
    return r;
}

// The message naming the pay-basis options, from the table.
std::string oneOptionOnly()
{
    std::vector<std::string_view> names;
    for (const RecordKey& k : recordKeys())
        if (k.kind == KeyKind::option)
            names.push_back(k.name);
    std::string message = "Solo una de ";
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            message += i + 1 < names.size() ? ", " : " y ";
        message += '"';
        message += names[i];
        message += '"';
    }
    message += " puede ser true";
    return message;
}

} // namespace

RecordRead readRecord(JsonSource& json, std::string_view text, const PayScale& scale)
{
    // Kept from text to text: a batch reads many.
    thread_local std::vector<JsonMember> members;
    RecordRead r;
    if (!json.readObject(text, members, r.error))
        return r;
    PayRecord record;
    PayEntries& e = record.entries;

    // The code chooses a row first; boxes given explicitly override it.
    static const std::string_view code = [] {
        for (const RecordKey& k : recordKeys())
            if (k.kind == KeyKind::code)
                return k.name;
        return std::string_view();
    }();
    for (const JsonMember& m : members)
        if (m.key == code && m.value.kind == JsonValue::Kind::text)
            choosePositionByCode(e, m.value.text, scale);

    for (const JsonMember& m : members) {
        const RecordKey* key = findRecordKey(m.key);
        if (!key)
            return malformed(m.key, "Clave desconocida: \"" + m.key + "\"");
        const JsonValue& v = m.value;
        auto wrongType = [&m](const char* what) { return malformed(m.key, "\"" + m.key + "\" debe ser " + what); };
        switch (key->kind) {
        case KeyKind::text:
            if (v.kind != JsonValue::Kind::text)
                return wrongType("un texto");
            keyText(record, *key) = v.text;
            break;
        case KeyKind::code:
            if (v.kind != JsonValue::Kind::text)
                return wrongType("un texto");
            break;
        case KeyKind::option:
            if (v.kind != JsonValue::Kind::boolean)
                return wrongType("true o false");
            e.*key->option = v.boolean;
            break;
        case KeyKind::flag:
            if (auto n = wholeIn(v, 0, 1))
                e.*key->flag = *n;
            else
                return wrongType("0 o 1");
            break;
        case KeyKind::seniority:
            if (auto n = wholeIn(v, 0, 12))
                selectSeniority(e, *n, scale);
            else
                return wrongType("un número entero entre 0 y 12");
            break;
        case KeyKind::zone:
            if (auto n = wholeIn(v, -1, 4))
                e.zona = *n;
            else
                return wrongType("un número entero entre -1 y 4");
            break;
        }
    }
    static const std::vector<bool PayEntries::*> optionMembers = [] {
        std::vector<bool PayEntries::*> v;
        for (const RecordKey& k : recordKeys())
            if (k.kind == KeyKind::option)
                v.push_back(k.option);
        return v;
    }();
    int options = 0;
    for (bool PayEntries::*option : optionMembers)
        options += e.*option;
    if (options > 1) {
        r.error = oneOptionOnly();
        return r;
    }
    r.record = std::move(record);
    return r;
}

} // namespace haberes::record

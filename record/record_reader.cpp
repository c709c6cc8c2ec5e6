#include "record/record_reader.h"

#include "engine/messages.h"
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

std::string_view keyOfKind(KeyKind kind)
{
    for (const RecordKey& k : recordKeys())
        if (k.kind == kind)
            return k.name;
    return {};
}

// Either a scale given, or one asked for by the name the record gives.
RecordRead readUnder(JsonSource& json, std::string_view text, const PayScale* given, const ScaleFor* scaleFor)
{
    // Kept from text to text: a batch reads many.
    thread_local std::vector<JsonMember> members;
    RecordRead r;
    if (!json.readObject(text, members, r.error))
        return r;
    PayRecord record;
    PayEntries& e = record.entries;

    static const std::string_view code = keyOfKind(KeyKind::code);
    static const std::string_view scaleKey = keyOfKind(KeyKind::scale);
    // The scale first: the code's row and the seniority are its own.
    if (!given) {
        std::optional<std::string> name;
        for (const JsonMember& m : members)
            if (m.key == scaleKey && m.value.kind == JsonValue::Kind::text)
                name = m.value.text;
        given = &(*scaleFor)(name);
    }
    const PayScale& scale = *given;
    r.scale = given;

    // The code chooses a row first; boxes given explicitly override it.
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
        case KeyKind::paid: {
            if (v.kind != JsonValue::Kind::object)
                return wrongType("un objeto");
            PaidTexts& paid = record.cobrado.emplace();
            for (const JsonMember& amount : v.members) {
                const std::string field = m.key + "." + amount.key;
                if (!isPaidKey(amount.key))
                    return malformed(field, paidKeyMessage(amount.key));
                if (amount.value.kind != JsonValue::Kind::text)
                    return malformed(field, "\"" + field + "\" debe ser un texto");
                paid.emplace_back(amount.key, amount.value.text);
            }
            break;
        }
        case KeyKind::scale:
            if (v.kind != JsonValue::Kind::text)
                return wrongType("un texto");
            record.escala = v.text;
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

} // namespace

RecordRead readRecord(JsonSource& json, std::string_view text, const PayScale& scale)
{
    return readUnder(json, text, &scale, nullptr);
}

RecordRead readRecord(JsonSource& json, std::string_view text, const ScaleFor& scaleFor)
{
    return readUnder(json, text, nullptr, &scaleFor);
}

} // namespace haberes::record

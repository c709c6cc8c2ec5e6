#include "cli/record_json.h"

#include "entry/position_entries.h"

#include "cli/json_line.h"

#include <array>
#include <cmath>

namespace haberes::cli {

namespace {

enum class Kind { text, option, flag, seniority, zone, comment };

struct Key {
    std::string_view name; // compared for every member of every line: no strlen
    Kind kind;
    std::string PayEntries::*text = nullptr;
    bool PayEntries::*option = nullptr;
    int PayEntries::*flag = nullptr;
};

Key textKey(const char* n, std::string PayEntries::*m) { return {n, Kind::text, m, nullptr, nullptr}; }
Key optionKey(const char* n, bool PayEntries::*m) { return {n, Kind::option, nullptr, m, nullptr}; }
Key flagKey(const char* n, int PayEntries::*m) { return {n, Kind::flag, nullptr, nullptr, m}; }

const std::array kKeys{
    textKey("docente", &PayEntries::docente),
    optionKey("cargo", &PayEntries::cargo),
    optionKey("horasmedio", &PayEntries::horasmedio),
    optionKey("horassup", &PayEntries::horassup),
    textKey("codigocargo", &PayEntries::codigocargo),
    textKey("cargox", &PayEntries::cargox),
    textKey("puntosbasicos", &PayEntries::puntosbasicos),
    textKey("punbas", &PayEntries::punbas),
    textKey("proljor", &PayEntries::proljor),
    textKey("jorcom", &PayEntries::jorcom),
    textKey("tardif", &PayEntries::tardif),
    textKey("compbas", &PayEntries::compbas),
    textKey("numerohorasmed", &PayEntries::numerohorasmed),
    textKey("numerohorassup", &PayEntries::numerohorassup),
    textKey("numhorascod06", &PayEntries::numhorascod06),
    textKey("numhorasincen", &PayEntries::numhorasincen),
    textKey("numhorascod113", &PayEntries::numhorascod113),
    Key{"antiguedad", Kind::seniority},
    Key{"zona", Kind::zone},
    flagKey("opincentivo", &PayEntries::opincentivo),
    textKey("dinasist", &PayEntries::dinasist),
    flagKey("transporte", &PayEntries::transporte),
    textKey("cantkm", &PayEntries::cantkm),
    flagKey("hijos", &PayEntries::hijos),
    textKey("cantidadhijos", &PayEntries::cantidadhijos),
    flagKey("hijosdisc", &PayEntries::hijosdisc),
    textKey("cantidadhijosdisc", &PayEntries::cantidadhijosdisc),
    flagKey("conyuge", &PayEntries::conyuge),
    flagKey("Iosper", &PayEntries::Iosper),
    flagKey("Osplad", &PayEntries::Osplad),
    flagKey("APORTEJUB", &PayEntries::APORTEJUB),
    flagKey("Ley4035", &PayEntries::Ley4035),
    flagKey("ZUTEL", &PayEntries::ZUTEL),
    flagKey("cajacomp", &PayEntries::cajacomp),
    flagKey("Seguro3011", &PayEntries::Seguro3011),
    Key{"comentario", Kind::comment},
};

std::size_t keyHash(std::string_view n)
{
    const auto byte = [&n](std::size_t i) { return static_cast<std::size_t>(static_cast<unsigned char>(n[i])); };
    return (n.size() * 7 + byte(0) * 3 + byte(n.size() / 2) + byte(n.size() - 1) * 5) % 256;
}

// Looked up for every member of every line: a small open hash table.
const Key* findKey(std::string_view name)
{
    static const auto table = [] {
        std::array<const Key*, 256> t{};
        for (const Key& k : kKeys) {
            std::size_t h = keyHash(k.name);
            while (t[h])
                h = (h + 1) % t.size();
            t[h] = &k;
        }
        return t;
    }();
    if (name.empty())
        return nullptr;
    for (std::size_t h = keyHash(name); table[h]; h = (h + 1) % table.size())
        if (table[h]->name == name)
            return table[h];
    return nullptr;
}

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

RecordParse malformed(const std::string& key, std::string error)
{
    RecordParse r;
    r.key = key;
    r.error = std::move(error);
    return r;
}

} // namespace

RecordParse parseRecord(std::string_view line, const PayScale& scale)
{
    // Kept from line to line: a batch reads many.
    thread_local std::vector<JsonMember> members;
    RecordParse r;
    if (!readJsonObject(line, members, r.error))
        return r;
    PayEntries e;

    // The code chooses a row first; boxes given explicitly override it.
    for (const JsonMember& m : members)
        if (m.key == "codigocargo" && m.value.kind == JsonValue::Kind::text)
            choosePositionByCode(e, m.value.text, scale);

    for (const JsonMember& m : members) {
        const Key* key = findKey(m.key);
        if (!key)
            return malformed(m.key, "Clave desconocida: \"" + m.key + "\"");
        const JsonValue& v = m.value;
        auto wrongType = [&m](const char* what) { return malformed(m.key, "\"" + m.key + "\" debe ser " + what); };
        switch (key->kind) {
        case Kind::text:
            if (v.kind != JsonValue::Kind::text)
                return wrongType("un texto");
            if (m.key != "codigocargo")
                e.*key->text = v.text;
            break;
        case Kind::option:
            if (v.kind != JsonValue::Kind::boolean)
                return wrongType("true o false");
            e.*key->option = v.boolean;
            break;
        case Kind::flag:
            if (auto n = wholeIn(v, 0, 1))
                e.*key->flag = *n;
            else
                return wrongType("0 o 1");
            break;
        case Kind::seniority:
            if (auto n = wholeIn(v, 0, 12))
                selectSeniority(e, *n, scale);
            else
                return wrongType("un número entero entre 0 y 12");
            break;
        case Kind::zone:
            if (auto n = wholeIn(v, -1, 4))
                e.zona = *n;
            else
                return wrongType("un número entero entre -1 y 4");
            break;
        case Kind::comment:
            if (v.kind != JsonValue::Kind::text)
                return wrongType("un texto");
            r.comentario = v.text;
            break;
        }
    }
    if (int(e.cargo) + int(e.horasmedio) + int(e.horassup) > 1) {
        r.error = "Solo una de \"cargo\", \"horasmedio\" y \"horassup\" puede ser true";
        return r;
    }
    r.entries = std::move(e);
    return r;
}

} // namespace haberes::cli

#include "record/record_keys.h"

#include <array>

namespace haberes::record {

namespace {

constexpr RecordKey text(std::string_view name, std::string PayEntries::*box)
{
    return {.name = name, .kind = KeyKind::text, .box = box};
}
// A box whose text a calculation converts.
constexpr RecordKey typed(std::string_view name, std::string PayEntries::*box, Field field)
{
    return {.name = name, .kind = KeyKind::text, .box = box, .field = field};
}
// A box of the position dialog, which choosing a row fills.
constexpr RecordKey dialog(std::string_view name, std::string PayEntries::*box, std::optional<Field> field = {})
{
    return {.name = name, .kind = KeyKind::text, .written = Written::unlessFromCode, .box = box, .field = field};
}
constexpr RecordKey option(std::string_view name, bool PayEntries::*member)
{
    return {.name = name, .kind = KeyKind::option, .option = member};
}
constexpr RecordKey flag(std::string_view name, int PayEntries::*member)
{
    return {.name = name, .kind = KeyKind::flag, .flag = member};
}

constexpr std::array kKeys{
    text("docente", &PayEntries::docente),
    option("cargo", &PayEntries::cargo),
    option("horasmedio", &PayEntries::horasmedio),
    option("horassup", &PayEntries::horassup),
    RecordKey{.name = "codigocargo", .kind = KeyKind::code, .written = Written::unlessEmpty, .box = &PayEntries::codigocargo},
    dialog("cargox", &PayEntries::cargox),
    RecordKey{.name = "puntosbasicos", .kind = KeyKind::text, .written = Written::never, .box = &PayEntries::puntosbasicos},
    dialog("punbas", &PayEntries::punbas, Field::punbas),
    dialog("proljor", &PayEntries::proljor, Field::proljor),
    dialog("jorcom", &PayEntries::jorcom, Field::jorcom),
    dialog("tardif", &PayEntries::tardif, Field::tardif),
    dialog("compbas", &PayEntries::compbas, Field::compbas),
    typed("numerohorasmed", &PayEntries::numerohorasmed, Field::numerohorasmed),
    typed("numerohorassup", &PayEntries::numerohorassup, Field::numerohorassup),
    typed("numhorascod06", &PayEntries::numhorascod06, Field::numhorascod06),
    typed("numhorasincen", &PayEntries::numhorasincen, Field::numhorasincen),
    typed("numhorascod113", &PayEntries::numhorascod113, Field::numhorascod113),
    RecordKey{.name = "antiguedad", .kind = KeyKind::seniority},
    RecordKey{.name = "zona", .kind = KeyKind::zone},
    flag("opincentivo", &PayEntries::opincentivo),
    typed("dinasist", &PayEntries::dinasist, Field::dinasist),
    flag("transporte", &PayEntries::transporte),
    typed("cantkm", &PayEntries::cantkm, Field::cantkm),
    flag("hijos", &PayEntries::hijos),
    typed("cantidadhijos", &PayEntries::cantidadhijos, Field::cantidadhijos),
    flag("hijosdisc", &PayEntries::hijosdisc),
    typed("cantidadhijosdisc", &PayEntries::cantidadhijosdisc, Field::cantidadhijosdisc),
    flag("conyuge", &PayEntries::conyuge),
    flag("Iosper", &PayEntries::Iosper),
    flag("Osplad", &PayEntries::Osplad),
    flag("APORTEJUB", &PayEntries::APORTEJUB),
    flag("Ley4035", &PayEntries::Ley4035),
    flag("ZUTEL", &PayEntries::ZUTEL),
    flag("cajacomp", &PayEntries::cajacomp),
    flag("Seguro3011", &PayEntries::Seguro3011),
    RecordKey{.name = "comentario", .kind = KeyKind::text, .own = &PayRecord::comentario},
    RecordKey{.name = "cobrado", .kind = KeyKind::paid, .written = Written::unlessAbsent},
    RecordKey{.name = "escala", .kind = KeyKind::scale, .written = Written::unlessAbsent},
};

std::size_t keyHash(std::string_view n)
{
    const auto byte = [&n](std::size_t i) { return static_cast<std::size_t>(static_cast<unsigned char>(n[i])); };
    return (n.size() * 7 + byte(0) * 3 + byte(n.size() / 2) + byte(n.size() - 1) * 5) % 256;
}

} // namespace

std::span<const RecordKey> recordKeys() { return kKeys; }

// Looked up for every member of every line: a small open hash table.
const RecordKey* findRecordKey(std::string_view name)
{
    static const auto table = [] {
        std::array<const RecordKey*, 256> t{};
        for (const RecordKey& k : kKeys) {
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

std::string_view recordKey(Field field)
{
    // Named for every refused calculation of a batch.
    static const auto byField = [] {
        std::array<std::string_view, static_cast<std::size_t>(Field::cantidadhijosdisc) + 1> names{};
        for (const RecordKey& k : kKeys)
            if (k.field)
                names[static_cast<std::size_t>(*k.field)] = k.name;
        return names;
    }();
    return byField[static_cast<std::size_t>(field)];
}

std::string_view recordKey(std::string PayEntries::*box)
{
    for (const RecordKey& k : kKeys)
        if (k.box == box)
            return k.name;
    return {};
}

std::string& keyText(PayRecord& record, const RecordKey& key)
{
    return key.box ? record.entries.*key.box : record.*key.own;
}

const std::string& keyText(const PayRecord& record, const RecordKey& key)
{
    return key.box ? record.entries.*key.box : record.*key.own;
}

} // namespace haberes::record

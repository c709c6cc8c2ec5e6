#include "record/entries_text.h"

#include "engine/position_entries.h"
#include "record/record_reader.h"

namespace haberes::record {

namespace {

std::string quoted(std::string_view text)
{
    return "«" + std::string(text) + "»";
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// UTF-16 code units of a valid UTF-8 text: one per character, two beyond
// the Basic Multilingual Plane.
std::size_t utf16Length(std::string_view text)
{
    std::size_t n = 0;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if ((b & 0xC0) != 0x80)
            n += b >= 0xF0 ? 2 : 1;
    }
    return n;
}

EntriesRead checked(JsonSource& json, std::string_view text, std::string_view fileName, const ScaleFor& scaleFor)
{
    EntriesRead r;
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty()) {
        r.error = entriesRefusal(fileName, "está vacío");
        return r;
    }
    if (text.find('\n') != std::string_view::npos) {
        r.error = entriesRefusal(fileName, "tiene más de una línea y debe tener un solo registro");
        return r;
    }
    RecordRead read = readRecord(json, text, scaleFor);
    if (!read.record) {
        r.error = entriesRefusal(fileName, read.error);
        return r;
    }
    const PayScale& scale = *read.scale;
    const PayEntries& e = read.record->entries;
    // The dialog lists the basic points of the row its code chooses; other
    // points could not be shown there, and would compute another payslip.
    PayEntries row;
    choosePositionByCode(row, e.codigocargo, scale);
    if (e.puntosbasicos != row.puntosbasicos) {
        r.error = entriesRefusal(fileName, "\"" + std::string(recordKey(&PayEntries::puntosbasicos)) +
                                               "\" debe ser el puntaje del cargo de \"" +
                                               std::string(recordKey(&PayEntries::codigocargo)) + "\" (" +
                                               (row.puntosbasicos.empty() ? std::string("ninguno")
                                                                          : quoted(row.puntosbasicos)) +
                                               ")");
        return r;
    }
    for (const RecordKey& k : recordKeys())
        if (k.box && utf16Length(e.*k.box) > kMaxBoxText) {
            r.error = entriesRefusal(fileName, "\"" + std::string(k.name) +
                                                   "\" es más largo que lo que admite su casilla (" +
                                                   std::to_string(kMaxBoxText) + " caracteres)");
            return r;
        }
    r.record = std::move(read.record);
    r.scale = &scale;
    return r;
}

} // namespace

std::string entriesRefusal(std::string_view fileName, std::string_view why)
{
    return "No se pudo abrir el archivo de datos " + quoted(fileName) + ": " + std::string(why) + ".";
}

EntriesRead readEntriesText(JsonSource& json, std::string_view text, std::string_view fileName, const PayScale& scale)
{
    const ScaleFor always = [&scale](const std::optional<std::string>&) -> const PayScale& { return scale; };
    return checked(json, text, fileName, always);
}

EntriesRead readEntriesText(JsonSource& json, std::string_view text, std::string_view fileName,
                            const ScaleFor& scaleFor)
{
    return checked(json, text, fileName, scaleFor);
}


} // namespace haberes::record

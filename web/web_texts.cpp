#include "web/web_texts.h"

#include "common/json_text.h"
#include "engine/messages.h"
#include "engine/pay_input.h"
#include "engine/position_entries.h"
#include "record/entries_text.h"
#include "record/nlohmann_source.h"
#include "record/record_writer.h"

#include <cstdio>
#include <optional>

namespace haberes::web {

namespace {

void member(std::string& out, std::string_view key, std::string_view text)
{
    appendJsonText(out, key);
    out += ": ";
    appendJsonText(out, text);
}

} // namespace

std::string scaleDescription(const PayScale& scale)
{
    std::string out = "{\"ok\": true, ";
    member(out, "nombre", scale.nombre);
    out += ", ";
    member(out, "tituloRecibo", scale.tituloRecibo);
    char month[16];
    std::snprintf(month, sizeof month, "%04d-%02d", scale.vigenciaAnio, scale.vigenciaMes);
    out += ", ";
    member(out, "vigencia", month);

    // Each row as choosing its code in the position dialog fills the boxes.
    out += ", \"cargos\": [";
    bool first = true;
    for (const PositionRecord& row : scale.cargos) {
        PayEntries e;
        choosePositionByCode(e, row.codigocargo, scale);
        if (e.cargox.empty() && !row.cargox.empty())
            continue; // not reachable by its code
        out += first ? "{" : ", {";
        first = false;
        member(out, "codigo", row.codigocargo);
        out += ", ";
        member(out, "nombre", e.cargox);
        out += ", \"puntos\": [";
        const std::string* boxes[] = {&e.punbas, &e.proljor, &e.jorcom, &e.tardif, &e.compbas};
        for (const std::string* box : boxes) {
            appendJsonText(out, *box);
            if (box != boxes[4])
                out += ", ";
        }
        out += "]}";
    }

    out += "], \"antiguedad\": [";
    for (std::size_t i = 0; i < kSeniorityCaptions.size(); ++i) {
        PayEntries e;
        selectSeniority(e, static_cast<int>(i) + 1, scale);
        out += i ? ", {" : "{";
        member(out, "caption", kSeniorityCaptions[i]);
        out += ", ";
        member(out, "texto", e.porcantig);
        out += "}";
    }
    out += "], \"zonas\": [";
    for (std::size_t i = 0; i < kZoneItems.size(); ++i) {
        if (i)
            out += ", ";
        appendJsonText(out, kZoneItems[i]);
    }
    out += "], \"textos\": {";
    member(out, "sinBase", kNoPayBasisMessage);
    out += ", ";
    member(out, "avisoLiquido", kNegativeNetMessage);
    out += ", ";
    member(out, "detalleLiquido", kNegativeNetDetailMessage);
    out += "}}";
    return out;
}

std::string openedEntries(std::string_view fileText, std::string_view fileName, const PayScale& scale)
{
    record::NlohmannSource json;
    const record::EntriesRead read = record::readEntriesText(json, fileText, fileName, scale);
    if (!read.record) {
        std::string out = "{\"ok\": false, ";
        member(out, "error", read.error);
        return out + "}";
    }
    std::string line = record::recordText(*read.record, scale);
    while (!line.empty() && line.back() == '\n')
        line.pop_back();
    std::string out = "{\"ok\": true, \"registro\": " + line;
    if (const std::optional<std::string>& named = read.record->escala; named && *named != scale.nombre) {
        out += ", ";
        member(out, "aviso", scaleMissingNotice(*named, scale.nombre));
    }
    return out + "}";
}

} // namespace haberes::web

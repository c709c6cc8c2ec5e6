// The engine as the web page calls it: C functions taking texts and giving
// JSON texts. Records are read and results written by the same record
// library haberes-cli uses, so the page and the command agree by
// construction; nothing here computes.
#include "common/json_text.h"
#include "engine/calculate.h"
#include "engine/messages.h"
#include "engine/net_pay.h"
#include "engine/pay_input.h"
#include "record/nlohmann_source.h"
#include "record/record_reader.h"
#include "record/record_writer.h"
#include "record/result_writer.h"
#include "scale/scale_format.h"
#include "web/web_texts.h"

#include <emscripten/emscripten.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

using namespace haberes;

namespace {

// The answer stays valid until the next call: the page copies it at once.
std::string answer;
// The last payslip's warning when its net pay is negative, else empty.
std::string netWarning;

const char* give(std::string text)
{
    answer = std::move(text);
    return answer.c_str();
}

// A scale file is read once and kept while the page computes with it.
struct ScaleInUse {
    std::string text;
    std::shared_ptr<const PayScale> scale;
    std::string error;
};

const ScaleInUse& scaleOf(std::string_view text, std::string_view fileName)
{
    static ScaleInUse last;
    if (last.scale && last.text == text)
        return last;
    last = ScaleInUse{std::string(text), nullptr, {}};
    if (text.empty()) {
        last.scale = std::shared_ptr<const PayScale>(&builtinScale(), [](const PayScale*) {});
        return last;
    }
    ScaleText read = readScaleText(text, fileName);
    if (read.scale)
        last.scale = std::make_shared<const PayScale>(std::move(*read.scale));
    else
        last.error = std::move(read.error);
    return last;
}

record::RecordRead readRecordText(std::string_view text, const PayScale& scale)
{
    record::NlohmannSource json;
    return record::readRecord(json, text, scale);
}

} // namespace

extern "C" {

// One record, as haberes-cli reads it, computed as haberes-cli computes it
// under the scale of scaleText (the built-in one when empty): the result
// object haberes-cli writes for it, with the given date text. explain asks
// for each line's explanation (--explicar).
EMSCRIPTEN_KEEPALIVE const char* haberes_calcular(const char* recordText, const char* decimalSeparator,
                                                  const char* date, const char* scaleText, int explain)
{
    const ScaleInUse& inUse = scaleOf(scaleText, "");
    if (!inUse.scale)
        return give(record::malformedJson(std::string("escala"), inUse.error));
    const record::RecordRead read = readRecordText(recordText, *inUse.scale);
    if (!read.record)
        return give(record::malformedJson(read.key, read.error));
    // The page has no installed scales: a record may name only the one in use.
    if (const std::optional<std::string>& named = read.record->escala; named && *named != inUse.scale->nombre) {
        const std::string why = inUse.text.empty() ? scaleNotInstalledMessage(*named)
                                                   : scaleNotInUseMessage(*named, inUse.scale->nombre);
        return give(record::malformedJson(std::string("escala"), why));
    }
    NumberFormat format;
    format.decimalSeparator = decimalSeparator;
    CalcResult result = calculate(read.record->entries, format, *inUse.scale, explain ? Explain::yes : Explain::no);
    netWarning.clear();
    if (!result.ok())
        return give(record::refusalJson(result.refusal));
    if (result.payslip->totalliq < Currency())
        netWarning = negativeNetText(*result.payslip);
    result.payslip->date = date;
    return give(record::payslipJson(*result.payslip));
}

// The warning the desktop program shows for the last payslip computed,
// when its net pay is negative: {"texto": ...}, empty otherwise.
EMSCRIPTEN_KEEPALIVE const char* haberes_aviso_liquido()
{
    std::string out = "{\"texto\": ";
    appendJsonText(out, netWarning);
    return give(out + "}");
}

// What the page shows of a scale (its names, positions, seniority and zone
// choices) and the page's fixed texts; or why the file is not a scale, in
// the desktop program's words.
EMSCRIPTEN_KEEPALIVE const char* haberes_escala(const char* scaleText, const char* fileName)
{
    const ScaleInUse& inUse = scaleOf(scaleText, fileName);
    if (!inUse.scale) {
        std::string out = "{\"ok\": false, \"error\": ";
        appendJsonText(out, inUse.error);
        out += "}";
        return give(std::move(out));
    }
    return give(web::scaleDescription(*inUse.scale));
}

// The entries file the desktop program's "Guardar datos" writes for the
// record (one line), naming the scale in use, or a malformed-record result.
EMSCRIPTEN_KEEPALIVE const char* haberes_guardar_datos(const char* recordText, const char* scaleText)
{
    const ScaleInUse& inUse = scaleOf(scaleText, "");
    const PayScale& scale = inUse.scale ? *inUse.scale : builtinScale();
    record::RecordRead read = readRecordText(recordText, scale);
    if (!read.record)
        return give(record::malformedJson(read.key, read.error));
    read.record->escala = scale.nombre;
    return give(record::recordText(*read.record, scale));
}

// An entries file opened under the scale in use: {"ok": true, "registro":
// {...}} with every key the page's boxes take (and the scale the file
// names, in "escala"), and "aviso" when that scale is another; or {"ok":
// false, "error": ...} in the desktop program's words.
EMSCRIPTEN_KEEPALIVE const char* haberes_abrir_datos(const char* fileText, const char* fileName, const char* scaleText)
{
    const ScaleInUse& inUse = scaleOf(scaleText, "");
    const PayScale& scale = inUse.scale ? *inUse.scale : builtinScale();
    return give(web::openedEntries(fileText, fileName, scale));
}

} // extern "C"

#pragma once
// A saved entries file's text, checked as the desktop program and the web
// page open one: a single record on a single line, whose listed basic points
// are those of its code's row and whose texts fit their boxes.
#include "engine/pay_scale.h"
#include "record/json_source.h"
#include "record/record_keys.h"
#include "record/record_reader.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace haberes::record {

// Longest text a box of the windows holds, in UTF-16 code units (Qt's).
inline constexpr std::size_t kMaxBoxText = 32767;

struct EntriesRead {
    std::optional<PayRecord> record;
    std::string error;               // Spanish, naming the file
    const PayScale* scale = nullptr; // the scale the record was checked under
};

EntriesRead readEntriesText(JsonSource& json, std::string_view text, std::string_view fileName,
                            const PayScale& scale = builtinScale());
// The same, checked under the scale the file's `escala` names.
EntriesRead readEntriesText(JsonSource& json, std::string_view text, std::string_view fileName,
                            const ScaleFor& scaleFor);

// "No se pudo abrir el archivo de datos «NAME»: WHY."
std::string entriesRefusal(std::string_view fileName, std::string_view why);

} // namespace haberes::record

#pragma once
// One input line of haberes-cli: a JSON object whose keys are the controls
// of the entry window and the position dialog.
#include "engine/pay_input.h"
#include "engine/pay_scale.h"

#include <optional>
#include <string>
#include <string_view>

namespace haberes::cli {

struct RecordParse {
    std::optional<PayEntries> entries; // set when the line is well formed
    std::optional<std::string> key;    // the offending key, when there is one
    std::string error;                 // what is wrong with the line
    std::string comentario;            // the payslip's comment; not computed with
};

// A chosen code and seniority option take their figures from the scale.
RecordParse parseRecord(std::string_view line, const PayScale& scale = builtinScale());

} // namespace haberes::cli

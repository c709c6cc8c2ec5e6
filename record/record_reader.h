#pragma once
// One pay input record read from its JSON text: a haberes-cli input line or
// a saved entries file.
#include "engine/pay_scale.h"
#include "record/json_source.h"
#include "record/record_keys.h"

#include <optional>
#include <string>
#include <string_view>

namespace haberes::record {

struct RecordRead {
    std::optional<PayRecord> record; // set when the text is a well-formed record
    std::optional<std::string> key;  // the offending key, when there is one
    std::string error;               // what is wrong with the text
};

// A chosen code and seniority option take their figures from the scale.
RecordRead readRecord(JsonSource& json, std::string_view text, const PayScale& scale = builtinScale());

} // namespace haberes::record

#pragma once
// One pay input record read from its JSON text: a haberes-cli input line or
// a saved entries file.
#include "engine/pay_scale.h"
#include "record/json_source.h"
#include "record/record_keys.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace haberes::record {

struct RecordRead {
    std::optional<PayRecord> record; // set when the text is a well-formed record
    std::optional<std::string> key;  // the offending key, when there is one
    std::string error;               // what is wrong with the text
    const PayScale* scale = nullptr; // the scale it was read under, once its members were
};

// The scale a record is read under, from the name its `escala` gives (none
// when the key is absent or not a text). It must outlive the reading's use.
using ScaleFor = std::function<const PayScale&(const std::optional<std::string>& name)>;

// A chosen code and seniority option take their figures from the scale.
RecordRead readRecord(JsonSource& json, std::string_view text, const PayScale& scale = builtinScale());
// The same, under the scale the record names: asked once its members are
// read, before any of them is applied.
RecordRead readRecord(JsonSource& json, std::string_view text, const ScaleFor& scaleFor);

} // namespace haberes::record

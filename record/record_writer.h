#pragma once
// A pay input record written as JSON: the saved entries files, and input
// lines for haberes-cli.
#include "engine/pay_scale.h"
#include "record/record_keys.h"

#include <string>

namespace haberes::record {

// The record as one JSON object on one line, newline included, its keys in
// the order of their names. The position dialog's texts are written only
// where they differ from what the code's row of the scale puts there, and
// the listed basic points never: the code brings them. `scale` is the one
// the record's `escala` names, when it names one.
std::string recordText(const PayRecord& record, const PayScale& scale = builtinScale());

} // namespace haberes::record

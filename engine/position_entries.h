#pragma once
// Choosing a row of the table of positions as the position dialog does,
// for callers without the dialog (the records, tests, benchmarks).
#include "engine/pay_input.h"
#include "engine/pay_scale.h"

#include <string_view>

namespace haberes {

// Sets the code and puts the row's name, listed basic points and five point
// boxes into the entries; a code that is not in the scale's table empties
// them.
void choosePositionByCode(PayEntries& entries, std::string_view code, const PayScale& scale = builtinScale());

} // namespace haberes

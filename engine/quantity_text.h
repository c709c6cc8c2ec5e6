#pragma once
// What the quantity cell of a line shows ("1", "3 %", "21,7"); none at all
// hides the cell, an empty text leaves it blank.
#include "engine/inline_text.h"

#include <optional>

namespace haberes {

using QuantityText = std::optional<InlineText<22>>;

} // namespace haberes

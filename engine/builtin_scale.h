#pragma once
// The parts of the built-in July 2010 scale, for builtinScale().
#include "engine/pay_scale.h"

#include <vector>

namespace haberes {

std::vector<PositionRecord> builtinPositions();

} // namespace haberes

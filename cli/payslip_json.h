#pragma once
// The result objects haberes-cli writes, one line each.
#include "engine/calculate.h"

#include <optional>
#include <string>

namespace haberes::cli {

std::string payslipJson(const Payslip& payslip);
std::string refusalJson(const Refusal& refusal);
std::string malformedJson(const std::optional<std::string>& key, const std::string& error);

} // namespace haberes::cli

#pragma once
// The result objects haberes-cli writes, one line each.
//
// Each writer puts its object at `out`, which has room for at least the
// matching bound, and gives the end of what it wrote: a batch writes
// straight into its output block. The text-returning forms are for tests
// and checks.
#include "engine/calculate.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace haberes::cli {

std::size_t payslipJsonBound(const Payslip& payslip);
char* writePayslipJson(char* out, const Payslip& payslip);

std::size_t refusalJsonBound(const Refusal& refusal);
char* writeRefusalJson(char* out, const Refusal& refusal);

std::size_t malformedJsonBound(const std::optional<std::string>& key, std::string_view error);
char* writeMalformedJson(char* out, const std::optional<std::string>& key, std::string_view error);

std::string payslipJson(const Payslip& payslip);
std::string refusalJson(const Refusal& refusal);
std::string malformedJson(const std::optional<std::string>& key, const std::string& error);

} // namespace haberes::cli

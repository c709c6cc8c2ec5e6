#pragma once
// The result objects haberes-cli writes, one line each: appended to an
// output buffer by a batch, or as texts for tests and checks. A refused
// field is named by its record key.
#include "engine/calculate.h"
#include "record/output_buffer.h"

#include <optional>
#include <string>
#include <string_view>

namespace haberes::record {

void writePayslipJson(OutputBuffer& out, const Payslip& payslip);
void writeRefusalJson(OutputBuffer& out, const Refusal& refusal);
void writeMalformedJson(OutputBuffer& out, const std::optional<std::string>& key, std::string_view error);

std::string payslipJson(const Payslip& payslip);
std::string refusalJson(const Refusal& refusal);
std::string malformedJson(const std::optional<std::string>& key, const std::string& error);

} // namespace haberes::record

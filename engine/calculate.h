#pragma once
// "Calcular" without windows: from what the controls hold to the payslip,
// or to the reason the calculation was refused.
#include "engine/messages.h"
#include "engine/pay_input.h"
#include "engine/pay_scale.h"
#include "engine/payslip.h"

#include <optional>
#include <string>

namespace haberes {

struct CalcResult {
    std::optional<Payslip> payslip;
    Refusal refusal; // meaningful only without a payslip
    bool ok() const { return payslip.has_value(); }
};

// Whether each line and total is to carry how its amount was formed; not
// asked, nothing of it is built.
enum class Explain { no, yes };

// Checks the pay basis, converts the entries, runs every group of concepts
// once in the fixed order, priced with the scale, and forms the totals. The
// date is left empty.
CalcResult calculate(const PayEntries& entries, const NumberFormat& format,
                     const PayScale& scale = builtinScale(), Explain explain = Explain::no);

} // namespace haberes

#pragma once
// What was paid against what is due: the amounts of the teacher's paper
// payslip, typed code by code, compared with the computed payslip. Lines
// that share a code are compared as their sum; codes paid but not computed
// come after the computed ones, in the order given.
#include "engine/currency.h"
#include "engine/numbers.h"
#include "engine/payslip.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace haberes {

// The key of the net pay among the paid amounts.
inline constexpr std::string_view kPaidNetKey = "liquido";

// What the paper payslip says, as typed: a line code as printed ("001",
// "1001") or kPaidNetKey, and the amount text. Kept in the order typed.
using PaidTexts = std::vector<std::pair<std::string, std::string>>;

struct ControlLine {
    std::string code;                 // empty for the net pay
    std::optional<Currency> due;      // none: a code paid but not computed
    std::optional<Currency> paid;     // none: nothing typed for it
    std::optional<Currency> difference; // paid − due; none when nothing was typed

    // Off by more than one cent, either way.
    bool differs() const;
};

struct PayslipControl {
    std::vector<ControlLine> lines;
    ControlLine liquido;
};

struct ControlResult {
    std::optional<PayslipControl> control;
    // Else the first paid entry that cannot be used: "cobrado.KEY", and why.
    std::string field;
    std::string message;
};

// Whether a key names a line code (one to four digits) or the net pay.
bool isPaidKey(std::string_view key);

// Compares the paid amounts with the payslip; the first key that is not a
// code or kPaidNetKey, or whose text does not convert to an amount, refuses
// the comparison.
ControlResult comparePaid(const Payslip& payslip, const PaidTexts& paid, const NumberFormat& format);

} // namespace haberes

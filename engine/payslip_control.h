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
    std::string code;                 // empty for the totals
    std::optional<Currency> due;      // none: a code paid but not computed
    std::optional<Currency> paid;     // none: nothing typed for it
    std::optional<Currency> difference; // paid − due; none when nothing was typed

    // What the computed payslip says of the line: its concept, its column
    // (none for a code not computed) and how its amount was formed (the
    // lines of a shared code one under the other; empty when the payslip
    // was computed without explanations).
    std::string concepto;
    std::optional<Column> column;
    std::string explanation;

    // Off by more than one cent, either way.
    bool differs() const;
};

struct PayslipControl {
    std::vector<ControlLine> lines;
    // The column totals. What was paid in a column is the sum of what was
    // typed for its computed codes, and known only once every one of them
    // has an amount: a partial sum would show a difference that is only
    // the lines not yet typed. Codes paid but not computed enter neither
    // total, since nothing says in which column the paper has them; the net
    // pay, typed from the paper, takes them in.
    ControlLine haberes, descuentos;
    ControlLine liquido; // typed under kPaidNetKey
    // Whether any code was paid but not computed.
    bool extraCodes() const;
};

struct ControlResult {
    std::optional<PayslipControl> control;
    // Else the first paid entry that cannot be used: "cobrado.KEY", and why.
    std::string field;
    std::string message;
};

// Whether a key names a line code (one to four digits) or the net pay.
bool isPaidKey(std::string_view key);

// The due side alone: every computed code once, nothing paid.
PayslipControl dueOf(const Payslip& payslip);

// Compares the paid amounts with the due side; the first key that is not a
// code or kPaidNetKey, or whose text does not convert to an amount, refuses
// the comparison.
ControlResult comparePaid(PayslipControl due, const PaidTexts& paid, const NumberFormat& format);
ControlResult comparePaid(const Payslip& payslip, const PaidTexts& paid, const NumberFormat& format);

} // namespace haberes

#pragma once
// The explanation of each line, built from the same state, input and scale
// the line's amount came from. Called by the groups right after a line is
// appended, and only when the calculation was asked to explain.
#include "engine/calc_state.h"
#include "engine/explanation.h"
#include "engine/pay_input.h"
#include "engine/pay_scale.h"
#include "engine/payslip.h"

namespace haberes {

struct Explained {
    const PayInput& in;
    const PayScale& scale;
    const CalcState& st;

    Explanation categoryPosition() const; // 001 of a position
    Explanation categoryHours() const;    // 001 of hours
    Explanation complement() const;       // 002
    Explanation fullDay() const;          // 052 (both lines show the same amount)
    Explanation differentiated() const;   // 016
    Explanation seniority() const;        // 010
    Explanation zone() const;             // 078
    Explanation adicart() const;          // 006
    Explanation product() const;          // 014
    Explanation incentive() const;        // 084
    Explanation negro() const;            // 113
    Explanation plus() const;             // 188
    Explanation minimum() const;          // 172
    Explanation transport() const;        // 029
    Explanation children(int rate, Currency bracket) const; // 1001
    Explanation disabledChildren() const; // 1002
    Explanation largeFamily() const;      // 1003
    Explanation spouse() const;           // 1010
    Explanation absences() const;         // 440
    Explanation deduction(const DeductionRate& rate, Currency amount, bool withIncentive) const;
};

// Explains the line just appended, when the calculation is explaining.
inline void explainLine(Payslip& slip, const Explained& x, Explanation (Explained::*what)() const)
{
    if (slip.explaining())
        slip.explainLast((x.*what)());
}

// The three totals: what they add up, and a negative net pay said.
void explainTotals(Payslip& slip);

} // namespace haberes

#pragma once
// The groups of concepts, in the order one calculation runs them. Each sets
// the amounts it owns in the state and appends its own lines.
#include "engine/calc_state.h"
#include "engine/fixed_texts.h"
#include "engine/line_explanations.h"
#include "engine/pay_input.h"
#include "engine/pay_scale.h"
#include "engine/payslip.h"

#include <optional>
#include <string_view>

namespace haberes {

// Category block, position mode: lines 001, 002, 052, 052, 016.
void positionEarnings(const PayInput& in, const PayScale& scale, CalcState& st, Payslip& slip);
// Amounts of lines 006, 084 and 113 for a position (no line yet).
void positionAdditionAmounts(const PayInput& in, const PayScale& scale, CalcState& st);
// Category block, hours mode: line 001 and the amounts of 006, 084, 113.
void hoursEarnings(const PayInput& in, const PayScale& scale, CalcState& st, Payslip& slip);
// Lines 010 and 078.
void seniorityAndZone(const PayInput& in, const PayScale& scale, CalcState& st, Payslip& slip);
// Lines 006, 014, 084, 113, 188, the absence share, the remunerative base
// and line 172.
void additionsAndMinimum(const PayInput& in, const PayScale& scale, CalcState& st, Payslip& slip);

// Lines 029, 1001, 1002, 1003, 1010. Refuses child counts whose allowance
// would not fit. pendingDiscFailure: the disabled-children count did not
// convert; that refusal waits until the children count, which comes before
// it in the record, has been checked.
std::optional<Refusal> transportAndFamily(const PayInput& in, const PayScale& scale, CalcState& st, Payslip& slip,
                                          bool pendingDiscFailure);
// Allowance per child for the given bracket earnings.
int childAllowanceRate(const PayScale& scale, Currency bracketEarnings);
// Line 440 and the seven percentage deductions.
void deductions(const PayInput& in, const PayScale& scale, CalcState& st, Payslip& slip);

} // namespace haberes

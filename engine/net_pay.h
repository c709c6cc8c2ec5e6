#pragma once
// A net pay ("Liquido a pagar") below zero: the line that makes it so and
// the warning's text, the same for the windows and the web page.
#include "engine/payslip.h"

#include <string>

namespace haberes {

// Of the lines without which the net pay would be zero or more, the one
// that takes the most from it (the first of equals); null when the net pay
// is not negative or no single line makes it so.
const PayslipLine* lineMakingNetNegative(const Payslip& payslip);

// The warning for a negative net pay, then the line that makes it so when
// there is one.
std::string negativeNetText(const Payslip& payslip);

} // namespace haberes

#include "engine/net_pay.h"

#include "engine/messages.h"

namespace haberes {

const PayslipLine* lineMakingNetNegative(const Payslip& payslip)
{
    if (payslip.totalliq >= Currency())
        return nullptr;
    const PayslipLine* found = nullptr;
    Currency largest;
    for (const PayslipLine& line : payslip.lines) {
        // What the line takes from the net pay; an earnings line adds.
        const Currency taken = line.column == Column::deductions ? line.amount : Currency() - line.amount;
        if (payslip.totalliq + taken >= Currency() && (!found || taken > largest)) {
            found = &line;
            largest = taken;
        }
    }
    return found;
}

std::string negativeNetText(const Payslip& payslip)
{
    std::string text(kNegativeNetMessage);
    if (const PayslipLine* line = lineMakingNetNegative(payslip)) {
        text += "\nLo vuelve negativo: ";
        text += line->code;
        text += ' ';
        text += line->concepto;
    }
    return text;
}

} // namespace haberes

#include "engine/payslip.h"

namespace haberes {

void Payslip::append(std::string_view code, std::string_view concepto, std::optional<std::string_view> quantity,
                     Currency amount, Column column)
{
    // More than 26 lines cannot occur: the groups append at most 26.
    if (fila >= kRows)
        return;
    PayslipLine& line = lines.emplace_back();
    line.row = fila;
    line.code = code;
    line.concepto = concepto;
    if (quantity)
        line.quantity.emplace(*quantity);
    else
        line.quantity.reset();
    line.amount = amount;
    line.column = column;
    writeAmountText(line.text, amount, code == "001");
    ++fila;
}

void Payslip::writeAmountText(std::string& out, Currency amount, bool directlyAfterSign) const
{
    formatAmountInto(out, directlyAfterSign ? "$" : "$ ", amount, decimalSeparator);
}

} // namespace haberes

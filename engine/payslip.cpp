#include "engine/payslip.h"

namespace haberes {

void Payslip::appendLine(std::string_view code, std::string_view concepto, const std::string_view* quantity,
                         Currency amount, Column column)
{
    // More than 26 lines cannot occur: the groups append at most 26.
    const int row = fila();
    if (row >= kRows)
        return;
    // Built member by member in its room: clearing the line first, or
    // copying a finished one in, costs more than the rest of the line.
    PayslipLine& line = lines.emplace_back();
    line.row = row;
    line.code = code;
    line.concepto = concepto;
    line.amount = amount;
    line.column = column;
    if (quantity)
        line.quantity.emplace(*quantity);
    writeAmountText(line.text, amount, code == "001");
}

void Payslip::explainLast(Explanation explanation)
{
    if (!explanations || lines.empty())
        return;
    auto& explained = explanations->lines;
    if (explained.size() < lines.size())
        explained.resize(lines.size());
    explained[lines.size() - 1] = std::move(explanation);
}

std::string Payslip::explanationOf(int row) const
{
    if (!explanations || row < 0 || static_cast<std::size_t>(row) >= explanations->lines.size())
        return {};
    return explanationText(explanations->lines[static_cast<std::size_t>(row)], decimalSeparator);
}

void Payslip::writeAmountText(AmountText& out, Currency amount, bool directlyAfterSign) const
{
    out.write(directlyAfterSign ? std::string_view("$") : std::string_view("$ "), amount, decimalSeparator);
}

} // namespace haberes

#include "engine/payslip_control.h"

#include "engine/messages.h"

#include <algorithm>

namespace haberes {

namespace {

// What a typed paid amount may reach: far beyond any payslip, far inside
// the money range.
constexpr std::int64_t kMaxPaid = 1'000'000'000'000;

constexpr Currency kCent = Currency::fromTicks(Currency::kScale / 100);

void settle(ControlLine& line)
{
    if (line.paid)
        line.difference = *line.paid - line.due.value_or(Currency());
}

// The paid total of a column, when every computed code of it was typed.
void settleColumn(ControlLine& total, const std::vector<ControlLine>& lines, Column column)
{
    Currency sum;
    bool any = false;
    for (const ControlLine& line : lines) {
        if (line.column != column)
            continue;
        if (!line.paid)
            return;
        sum += *line.paid;
        any = true;
    }
    if (any) {
        total.paid = sum;
        settle(total);
    }
}

ControlLine totalLine(Currency due, const Explanation* explanation, std::string_view sep)
{
    ControlLine line;
    line.due = due;
    if (explanation)
        line.explanation = explanationText(*explanation, sep);
    return line;
}

} // namespace

bool ControlLine::differs() const
{
    return difference && (*difference > kCent || *difference < Currency() - kCent);
}

bool PayslipControl::extraCodes() const
{
    return std::any_of(lines.begin(), lines.end(), [](const ControlLine& l) { return !l.due; });
}

bool isPaidKey(std::string_view key)
{
    if (key == kPaidNetKey)
        return true;
    return !key.empty() && key.size() <= 4 &&
           std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; });
}

PayslipControl dueOf(const Payslip& payslip)
{
    PayslipControl control;
    for (const PayslipLine& line : payslip.lines) {
        std::string explanation = payslip.explanationOf(line.row);
        auto same = std::find_if(control.lines.begin(), control.lines.end(),
                                 [&](const ControlLine& c) { return c.code == line.code; });
        if (same == control.lines.end()) {
            ControlLine& added = control.lines.emplace_back();
            added.code = line.code;
            added.due = line.amount;
            added.concepto = line.concepto;
            added.column = line.column;
            added.explanation = std::move(explanation);
            continue;
        }
        same->due = *same->due + line.amount;
        if (!explanation.empty())
            same->explanation += (same->explanation.empty() ? "" : "\n") + explanation;
    }
    const PayslipExplanations* x = payslip.explanations ? &*payslip.explanations : nullptr;
    const std::string_view sep = payslip.decimalSeparator;
    control.haberes = totalLine(payslip.totalhab, x ? &x->totalhab : nullptr, sep);
    control.descuentos = totalLine(payslip.totaldesc, x ? &x->totaldesc : nullptr, sep);
    control.liquido = totalLine(payslip.totalliq, x ? &x->totalliq : nullptr, sep);
    return control;
}

ControlResult comparePaid(PayslipControl due, const PaidTexts& paid, const NumberFormat& format)
{
    ControlResult result;
    PayslipControl& control = result.control.emplace(std::move(due));
    for (const auto& entry : paid) {
        // Named, not bound: older compilers cannot capture a structured binding.
        const std::string& key = entry.first;
        const std::string& text = entry.second;
        const auto refuse = [&](std::string message) {
            result.control.reset();
            result.field = "cobrado." + key;
            result.message = std::move(message);
            return result;
        };
        if (!isPaidKey(key))
            return refuse(paidKeyMessage(key));
        const std::optional<Currency> amount = toCurrency(text, format.decimalSeparator, kMaxPaid);
        if (!amount)
            return refuse(paidAmountMessage(key, text, format.decimalSeparator, kMaxPaid));
        ControlLine* line = &control.liquido;
        if (key != kPaidNetKey) {
            auto same = std::find_if(control.lines.begin(), control.lines.end(),
                                     [&](const ControlLine& c) { return c.code == key; });
            if (same != control.lines.end()) {
                line = &*same;
            } else {
                line = &control.lines.emplace_back();
                line->code = key;
            }
        }
        line->paid = *amount;
    }
    for (ControlLine& line : control.lines)
        settle(line);
    settleColumn(control.haberes, control.lines, Column::earnings);
    settleColumn(control.descuentos, control.lines, Column::deductions);
    settle(control.liquido);
    return result;
}

ControlResult comparePaid(const Payslip& payslip, const PaidTexts& paid, const NumberFormat& format)
{
    return comparePaid(dueOf(payslip), paid, format);
}

} // namespace haberes

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

} // namespace

bool ControlLine::differs() const
{
    return difference && (*difference > kCent || *difference < Currency() - kCent);
}

bool isPaidKey(std::string_view key)
{
    if (key == kPaidNetKey)
        return true;
    return !key.empty() && key.size() <= 4 &&
           std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; });
}

ControlResult comparePaid(const Payslip& payslip, const PaidTexts& paid, const NumberFormat& format)
{
    ControlResult result;
    PayslipControl& control = result.control.emplace();
    for (const PayslipLine& line : payslip.lines) {
        auto same = std::find_if(control.lines.begin(), control.lines.end(),
                                 [&](const ControlLine& c) { return c.code == line.code; });
        if (same == control.lines.end())
            control.lines.push_back({std::string(line.code), line.amount, std::nullopt, std::nullopt});
        else
            same->due = *same->due + line.amount;
    }
    control.liquido.due = payslip.totalliq;

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
            line = same != control.lines.end() ? &*same : &control.lines.emplace_back(ControlLine{key, {}, {}, {}});
        }
        line->paid = *amount;
    }
    for (ControlLine& line : control.lines)
        settle(line);
    settle(control.liquido);
    return result;
}

} // namespace haberes

#include "engine/explanation.h"

#include "engine/numbers.h"

namespace haberes {

namespace {

void appendMoney(std::string& out, Currency amount, std::string_view sep)
{
    std::string text;
    formatAmountInto(text, "$ ", amount, sep);
    out += text;
}

void appendOperand(std::string& out, const Operand& o, std::string_view sep)
{
    switch (o.kind) {
    case Operand::Kind::quantity:
        out += formatReal(o.value, sep);
        if (!o.unit.empty()) {
            out += ' ';
            out += o.unit;
        }
        break;
    case Operand::Kind::money:
        appendMoney(out, o.amount, sep);
        if (!o.unit.empty()) {
            out += " (";
            out += o.unit;
            out += ')';
        }
        break;
    case Operand::Kind::rate:
        out += "$ ";
        out += formatReal(o.value, sep);
        if (!o.unit.empty()) {
            out += " (";
            out += o.unit;
            out += ')';
        }
        break;
    case Operand::Kind::percent:
        out += formatReal(o.value, sep);
        out += " %";
        break;
    }
}

double valueOf(const Operand& o)
{
    switch (o.kind) {
    case Operand::Kind::money:
        return o.amount.toDouble();
    case Operand::Kind::percent:
        return o.value / 100;
    default:
        return o.value;
    }
}

void appendProduct(std::string& out, const std::vector<Operand>& operands, std::string_view sep)
{
    for (std::size_t i = 0; i < operands.size(); ++i) {
        if (i > 0)
            out += " × ";
        appendOperand(out, operands[i], sep);
    }
}

} // namespace

Explanation productOf(std::vector<Operand> operands, Currency result, std::string rule)
{
    Explanation e;
    e.form = Explanation::Form::product;
    e.operands = std::move(operands);
    e.result = result;
    e.rule = std::move(rule);
    return e;
}

Explanation percentageOf(double percent, Currency base, std::string_view of, Currency result, double factor)
{
    Explanation e;
    e.form = Explanation::Form::percentOf;
    e.operands = {Operand::percent(percent), Operand::money(base)};
    e.of = of;
    e.result = result;
    e.factor = factor;
    return e;
}

Explanation cappedAt(std::vector<Operand> operands, Currency uncapped, Currency cap, std::string rule)
{
    Explanation e;
    e.form = Explanation::Form::capped;
    e.operands = std::move(operands);
    e.uncapped = uncapped;
    e.result = cap;
    e.rule = std::move(rule);
    return e;
}

Explanation sumOf(std::vector<Operand> operands, Currency result, std::string rule, bool summary)
{
    Explanation e;
    e.form = Explanation::Form::sum;
    e.operands = std::move(operands);
    e.result = result;
    e.rule = std::move(rule);
    e.summary = summary;
    return e;
}

Explanation fixedAmount(Currency result, std::string rule)
{
    Explanation e;
    e.form = Explanation::Form::fixed;
    e.result = result;
    e.rule = std::move(rule);
    return e;
}

std::string explanationText(const Explanation& e, std::string_view sep)
{
    std::string out;
    switch (e.form) {
    case Explanation::Form::product:
        appendProduct(out, e.operands, sep);
        out += " = ";
        appendMoney(out, e.result, sep);
        break;
    case Explanation::Form::percentOf:
        appendOperand(out, e.operands.at(0), sep);
        out += " de ";
        appendOperand(out, e.operands.at(1), sep);
        if (!e.of.empty()) {
            out += " (";
            out += e.of;
            out += ')';
        }
        out += " = ";
        appendMoney(out, e.result, sep);
        break;
    case Explanation::Form::capped:
        appendProduct(out, e.operands, sep);
        out += " = ";
        appendMoney(out, e.uncapped, sep);
        out += "; tope: ";
        appendMoney(out, e.result, sep);
        break;
    case Explanation::Form::sum:
        if (e.summary) {
            out += e.rule;
        } else {
            for (std::size_t i = 0; i < e.operands.size(); ++i) {
                const Operand& o = e.operands[i];
                if (i > 0)
                    out += o.sign < 0 ? " − " : " + ";
                else if (o.sign < 0)
                    out += "− ";
                appendOperand(out, o, sep);
            }
        }
        out += " = ";
        appendMoney(out, e.result, sep);
        break;
    case Explanation::Form::fixed:
        if (!e.rule.empty()) {
            out += e.rule;
            out += ": ";
        }
        appendMoney(out, e.result, sep);
        return out;
    }
    if (!e.rule.empty() && !(e.form == Explanation::Form::sum && e.summary)) {
        out += " (";
        out += e.rule;
        out += ')';
    }
    return out;
}

Currency evaluate(const Explanation& e)
{
    switch (e.form) {
    case Explanation::Form::product: {
        double v = 1;
        for (const Operand& o : e.operands)
            v *= valueOf(o);
        return Currency::fromDouble(v);
    }
    case Explanation::Form::percentOf: {
        const Currency base = e.operands.at(1).amount;
        if (e.factor != 0)
            return Currency::fromDouble(base.toDouble() * e.factor);
        return Currency::fromDouble(base.times(static_cast<std::int64_t>(e.operands.at(0).value)).toDouble() / 100);
    }
    case Explanation::Form::sum: {
        double v = 0;
        for (const Operand& o : e.operands)
            v += o.sign * valueOf(o);
        return Currency::fromDouble(v);
    }
    case Explanation::Form::capped:
    case Explanation::Form::fixed:
        break;
    }
    return e.result;
}

} // namespace haberes

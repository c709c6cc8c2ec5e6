#pragma once
// How an amount of the payslip was formed, in the teacher's terms: the
// operands in the order they were multiplied or added, the base a
// percentage is taken of, the result, and the rule that applied (a table
// row, a cap, a bracket). Built only when a calculation is asked to
// explain; written in Spanish with the locale's numbers.
#include "engine/currency.h"

#include <string>
#include <utility>
#include <string_view>
#include <vector>

namespace haberes {

struct Operand {
    enum class Kind {
        quantity, // points, hours, children: value and unit ("1500 puntos")
        money,    // an amount ("$ 0,8947")
        rate,     // an amount per unit finer than money ("$ 0,195344")
        percent,  // "120 %"
    };
    Kind kind = Kind::quantity;
    double value = 0;      // quantity, rate or percent
    Currency amount;       // money
    std::string unit;      // quantity: "puntos"; money and rate: what it is, may be empty
    int sign = 1;          // in a sum: +1 or -1

    static Operand quantity(double value, std::string unit) { return {Kind::quantity, value, {}, std::move(unit), 1}; }
    static Operand money(Currency amount, std::string what = {}) { return {Kind::money, 0, amount, std::move(what), 1}; }
    static Operand rate(double value, std::string what = {}) { return {Kind::rate, value, {}, std::move(what), 1}; }
    static Operand percent(double value) { return {Kind::percent, value, {}, {}, 1}; }
    Operand minus() const
    {
        Operand o = *this;
        o.sign = -sign;
        return o;
    }
};

struct Explanation {
    enum class Form {
        product,   // the operands multiplied in order: "1500 puntos × $ 0,8947 = $ 1342,05"
        percentOf, // operands: the percentage, then the base: "2 % de $ 5623,0559 (base remunerativa)"
        capped,    // a product past its cap: the cap is the result
        sum,       // the operands added with their signs; a total names its lines instead
        fixed,     // an amount of the scale, chosen by the rule
    };
    Form form = Form::fixed;
    std::vector<Operand> operands;
    std::string_view of;  // percentOf: what the base is made of
    // percentOf: the factor the base was multiplied by (0.03 for 3 %); 0
    // when the base times the whole percentage was divided by 100.
    double factor = 0;
    Currency uncapped;    // capped: what the product would have given
    Currency result;
    std::string rule;     // the table row, cap or bracket that applied
    bool summary = false; // sum: the rule names the lines, the operands are not listed
};

Explanation productOf(std::vector<Operand> operands, Currency result, std::string rule = {});
// factor 0: base × percent / 100, the base times a whole percentage first.
Explanation percentageOf(double percent, Currency base, std::string_view of, Currency result, double factor = 0);
Explanation cappedAt(std::vector<Operand> operands, Currency uncapped, Currency cap, std::string rule = {});
Explanation sumOf(std::vector<Operand> operands, Currency result, std::string rule = {}, bool summary = false);
Explanation fixedAmount(Currency result, std::string rule);

// The explanation as the payslip shows it.
std::string explanationText(const Explanation& e, std::string_view decimalSeparator);

// The operands worked out as the text says, in double precision and in its
// order, rounded to currency once at the end (a capped product gives its
// cap, a fixed amount itself).
Currency evaluate(const Explanation& e);

} // namespace haberes

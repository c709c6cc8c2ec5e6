// Each line explained: for every line code a worked case whose numbers,
// multiplied or added as its text says, give the line's amount; the totals
// name their lines; nothing is built unless asked.
#include "engine_fixtures.h"

#include "engine/explanation.h"

#include <map>
#include <set>

namespace haberes::test {
namespace {

Payslip explained(const PayEntries& e, const NumberFormat& f = kComma)
{
    CalcResult r = calculate(e, f, builtinScale(), Explain::yes);
    EXPECT_TRUE(r.ok()) << r.refusal.message;
    return r.payslip.value_or(Payslip{});
}

PayEntries withAll(PayEntries e)
{
    e.Iosper = e.Osplad = e.APORTEJUB = e.Ley4035 = e.ZUTEL = e.cajacomp = e.Seguro3011 = 1;
    return e;
}

// Payslips that between them carry every line code, each in its own way:
// table rows, caps, brackets, the minimum.
std::vector<std::pair<std::string, PayEntries>> worked()
{
    std::vector<std::pair<std::string, PayEntries>> cases;
    {
        PayEntries e = withAll(points("1500", "657", "750", "12,5", "101"));
        selectSeniority(e, 12);
        e.zona = 2;
        e.dinasist = "2";
        e.transporte = 1;
        e.cantkm = "150";
        e.hijos = e.hijosdisc = e.conyuge = 1;
        e.cantidadhijos = "3";
        e.cantidadhijosdisc = "1";
        cases.emplace_back("full-day position, all allowances", e);
    }
    {
        PayEntries e = withAll(position("733")); // 1150 points: the minimum applies
        e.transporte = 1;
        e.cantkm = "400";
        e.dinasist = "5";
        e.hijos = 1;
        e.cantidadhijos = "2";
        cases.emplace_back("position under the minimum", e);
    }
    {
        PayEntries e = withAll(secondaryHours("18,5"));
        e.numhorascod06 = "12";
        e.numhorasincen = "20";
        e.numhorascod113 = "6";
        selectSeniority(e, 3);
        e.zona = 4;
        e.dinasist = "1";
        cases.emplace_back("secondary hours under the caps", e);
    }
    {
        PayEntries e = withAll(tertiaryHours("40"));
        e.numhorascod06 = "20";
        e.numhorasincen = "30";
        e.numhorascod113 = "30";
        cases.emplace_back("tertiary hours past the caps", e);
    }
    return cases;
}

TEST(Explanations, EveryLineWorksOutToItsAmount)
{
    std::set<std::string> codes;
    for (const auto& [name, entries] : worked()) {
        SCOPED_TRACE(name);
        const Payslip p = explained(entries);
        ASSERT_TRUE(p.explaining());
        ASSERT_EQ(p.explanations->lines.size(), static_cast<std::size_t>(p.fila()));
        for (const PayslipLine& line : p.lines) {
            SCOPED_TRACE(std::string(line.code));
            const Explanation& x = p.explanations->lines[static_cast<std::size_t>(line.row)];
            EXPECT_EQ(x.result, line.amount);
            EXPECT_EQ(evaluate(x), line.amount) << p.explanationOf(line.row);
            const std::string text = p.explanationOf(line.row);
            EXPECT_NE(text.find(formatAmount(line.amount, ",")), std::string::npos) << text;
            codes.insert(std::string(line.code));
        }
    }
    const std::set<std::string> all{"001", "002", "052", "016", "010", "078", "006", "014", "084", "113",
                                    "188", "172", "029", "1001", "1002", "1003", "1010", "440", "505",
                                    "508", "502", "504", "332", "512", "510"};
    EXPECT_EQ(codes, all);
}

// The texts a teacher reads, in the locale's numbers.
TEST(Explanations, TextsInTheTeachersTerms)
{
    const Payslip p = explained(worked()[0].second);
    std::map<std::string, std::string> first;
    for (const PayslipLine& line : p.lines)
        first.emplace(std::string(line.code), p.explanationOf(line.row));
    EXPECT_EQ(first["001"], "1500 puntos × $ 0,8947 = $ 1342,05");
    EXPECT_EQ(first["052"], "$ 718,758 (657 puntos × $ 1,094 de jornada completa) + $ 820,5 (750 puntos × "
                            "$ 1,094 de prolongación) = $ 1539,258 (jornada completa y prolongación de jornada)");
    EXPECT_EQ(first["016"], "12,5 puntos × $ 0,8947 = $ 11,1838");
    EXPECT_EQ(first["010"], "120 % de $ 2982,8565 (cargo, jornada y tarea diferenciada) = $ 3579,4278");
    EXPECT_EQ(first["1001"].substr(0, first["1001"].find(" (")), "3 hijos × $ 91 = $ 273");
    EXPECT_EQ(first["1010"], "monto fijo: $ 15");
    EXPECT_EQ(first["1003"], "3 hijos o más: $ 3");
    EXPECT_NE(first["505"].find("3 % de $ "), std::string::npos);
    EXPECT_NE(first["505"].find(" (base remunerativa) = $ "), std::string::npos);

    const Payslip point = explained(points("1500"), kPoint);
    EXPECT_EQ(point.explanationOf(0), "1500 puntos × $ 0.8947 = $ 1342.05");
}

TEST(Explanations, CapsAndTableRowsAreNamed)
{
    const auto textOf = [](const Payslip& p, std::string_view code) {
        for (const PayslipLine& line : p.lines)
            if (line.code == code)
                return p.explanationOf(line.row);
        return std::string("(no line)");
    };
    const Payslip tertiary = explained(worked()[3].second);
    EXPECT_EQ(textOf(tertiary, "084"), "30 horas × $ 13,75 = $ 412,5; tope: $ 330");
    EXPECT_EQ(textOf(tertiary, "006"), "15 horas o más: $ 162,15");
    const Payslip minimum = explained(worked()[1].second);
    EXPECT_EQ(textOf(minimum, "029"), "400 km por semana, tope: $ 234,61");
    EXPECT_NE(textOf(minimum, "006").find("fila «Menos de 1 año»"), std::string::npos) << textOf(minimum, "006");
    EXPECT_NE(textOf(minimum, "172").find("$ 1490 (mínimo garantizado)"), std::string::npos)
        << textOf(minimum, "172");
    EXPECT_NE(textOf(minimum, "440").find("más de 3 días"), std::string::npos) << textOf(minimum, "440");
}

TEST(Explanations, TotalsNameTheirLinesAndANegativeNet)
{
    const Payslip p = explained(worked()[0].second);
    const PayslipExplanations& x = *p.explanations;
    int earnings = 0, deductions = 0;
    for (const PayslipLine& line : p.lines)
        (line.column == Column::earnings ? earnings : deductions)++;
    EXPECT_EQ(explanationText(x.totalhab, ","),
              "suma de " + std::to_string(earnings) + " líneas de haberes, el 052 una sola vez = " + p.thaberes);
    EXPECT_EQ(explanationText(x.totaldesc, ","),
              "suma de " + std::to_string(deductions) + " líneas de descuentos = " + p.tdescuentos);
    EXPECT_EQ(evaluate(x.totalliq), p.totalliq);
    EXPECT_EQ(explanationText(x.totalliq, ","), p.thaberes + " − " + p.tdescuentos + " = " + p.liquido);

    PayEntries negative = withAll(secondaryHours("-30"));
    const Payslip n = explained(negative);
    ASSERT_LT(n.totalliq, Currency());
    EXPECT_NE(explanationText(n.explanations->totalliq, ",").find("Atención: el líquido a pagar es negativo"),
              std::string::npos);
}

// Not asked, not built; asked, the payslip is the same.
TEST(Explanations, OnlyWhenAsked)
{
    for (const auto& [name, entries] : worked()) {
        SCOPED_TRACE(name);
        CalcResult plain = calculate(entries, kComma);
        ASSERT_TRUE(plain.ok());
        EXPECT_FALSE(plain.payslip->explaining());
        EXPECT_EQ(plain.payslip->explanationOf(0), "");
        const Payslip asked = explained(entries);
        ASSERT_EQ(asked.fila(), plain.payslip->fila());
        for (int r = 0; r < asked.fila(); ++r) {
            EXPECT_EQ(asked.lines[r].text, plain.payslip->lines[r].text);
            EXPECT_EQ(asked.lines[r].quantity, plain.payslip->lines[r].quantity);
        }
        EXPECT_EQ(asked.liquido, plain.payslip->liquido);
    }
}

} // namespace
} // namespace haberes::test

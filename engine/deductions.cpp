// Deductions: the absence share of line 188 and the percentage deductions,
// all on the remunerative base.
#include "engine/groups.h"

namespace haberes {

namespace {

struct PercentDeduction {
    int PayEntries::*box;
    Currency CalcState::*amount;
    DeductionRate PayScale::*rate;
    std::string_view code;
    std::string_view concepto;
    bool plusIncentive; // union dues add line 084 to the base
};

// In payslip order.
constexpr PercentDeduction kDeductions[] = {
    {&PayEntries::Iosper, &CalcState::impiosper, &PayScale::iosper, "505", "IOSPER", false},
    {&PayEntries::Osplad, &CalcState::imposplad, &PayScale::osplad, "508", "OSPLAD", false},
    {&PayEntries::APORTEJUB, &CalcState::impjubilacion, &PayScale::jubilacion, "502", "Aporte Jub.", false},
    {&PayEntries::Ley4035, &CalcState::impley4035, &PayScale::ley4035, "504", "Ley 4035", false},
    {&PayEntries::ZUTEL, &CalcState::impzutel, &PayScale::zutel, "332", "ZUTEL", true},
    {&PayEntries::cajacomp, &CalcState::impcajacomp, &PayScale::cajaComp, "512", "Caja Comp.", false},
    {&PayEntries::Seguro3011, &CalcState::impseguro, &PayScale::seguro, "510", "Seguro 3011", false},
};

} // namespace

void deductions(const PayInput& in, const PayScale& scale, CalcState& st, Payslip& slip)
{
    const PayEntries& e = *in.entries;
    const Explained x{in, scale, st};
    if (st.impreajuste > Currency()) {
        slip.append("440", "Reajuste cod. 188", e.dinasist, st.impreajuste, Column::deductions);
        explainLine(slip, x, &Explained::absences);
    }

    for (const PercentDeduction& d : kDeductions) {
        Currency& amount = st.*d.amount;
        if (e.*d.box != 1) {
            amount = Currency();
            continue;
        }
        const DeductionRate& rate = scale.*d.rate;
        const Currency base = d.plusIncentive ? st.baseremun + st.impincentivo : st.baseremun;
        amount = Currency::fromDouble(base.toDouble() * rate.tasa);
        slip.append(d.code, d.concepto, rate.cantidad, amount, Column::deductions);
        if (slip.explaining())
            slip.explainLast(x.deduction(rate, amount, d.plusIncentive));
    }
}

} // namespace haberes

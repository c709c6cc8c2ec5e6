// Deductions: the absence share of line 188 and the percentage deductions,
// all on the remunerative base.
#include "engine/groups.h"

namespace haberes {

namespace {

struct PercentDeduction {
    int PayEntries::*box;
    Currency CalcState::*amount;
    std::string_view code;
    std::string_view concepto;
    std::string_view quantity;
    double rate;
    bool plusIncentive; // union dues add line 084 to the base
};

// In payslip order. The quantity texts are fixed, commas included.
const PercentDeduction kDeductions[] = {
    {&PayEntries::Iosper, &CalcState::impiosper, "505", "IOSPER", "3 %", 0.03, false},
    {&PayEntries::Osplad, &CalcState::imposplad, "508", "OSPLAD", "3 %", 0.03, false},
    {&PayEntries::APORTEJUB, &CalcState::impjubilacion, "502", "Aporte Jub.", "16 %", 0.16, false},
    {&PayEntries::Ley4035, &CalcState::impley4035, "504", "Ley 4035", "0,6 %", 0.006, false},
    {&PayEntries::ZUTEL, &CalcState::impzutel, "332", "ZUTEL", "2 %", 0.02, true},
    {&PayEntries::cajacomp, &CalcState::impcajacomp, "512", "Caja Comp.", "4,5 %", 0.045, false},
    {&PayEntries::Seguro3011, &CalcState::impseguro, "510", "Seguro 3011", "2 %", 0.02, false},
};

} // namespace

void deductions(const PayInput& in, CalcState& st, Payslip& slip)
{
    const PayEntries& e = *in.entries;
    if (st.impreajuste > Currency())
        slip.append("440", "Reajuste cod. 188", e.dinasist, st.impreajuste, Column::deductions);

    for (const PercentDeduction& d : kDeductions) {
        Currency& amount = st.*d.amount;
        if (e.*d.box != 1) {
            amount = Currency();
            continue;
        }
        const Currency base = d.plusIncentive ? st.baseremun + st.impincentivo : st.baseremun;
        amount = Currency::fromDouble(base.toDouble() * d.rate);
        slip.append(d.code, d.concepto, d.quantity, amount, Column::deductions);
    }
}

} // namespace haberes

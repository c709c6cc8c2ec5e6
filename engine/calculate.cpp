#include "engine/calculate.h"

#include "engine/groups.h"

namespace haberes {

namespace {

void formTotals(const CalcState& st, Payslip& slip)
{
    // impjornada once, even when both 052 lines are on the payslip.
    slip.totalhab = st.impjornada + st.asigcat + st.impcompbas + st.impadicart + st.impproduct + st.imptardif +
                    st.impantig + st.impplus + st.impminimo + st.imphijos + st.imphijosdisc + st.impfamnum +
                    st.impconyuge + st.impzona + st.impincentivo + st.impnegro + st.imptransporte;
    slip.totaldesc = st.impiosper + st.imposplad + st.impjubilacion + st.impley4035 + st.impzutel +
                     st.impcajacomp + st.impseguro + st.impreajuste;
    slip.totalliq = slip.totalhab - slip.totaldesc;
    slip.writeAmountText(slip.thaberes, slip.totalhab);
    slip.writeAmountText(slip.tdescuentos, slip.totaldesc);
    slip.writeAmountText(slip.liquido, slip.totalliq);
}

} // namespace

CalcResult calculate(const PayEntries& entries, const NumberFormat& format, const PayScale& scale,
                     Explain explain)
{
    CalcResult result;
    if (!entries.cargo && !entries.horasmedio && !entries.horassup) {
        result.refusal = {std::nullopt, std::string(kNoPayBasisMessage)};
        return result;
    }
    const ReadResult read = readPayInput(entries, format);
    // Only the disabled-children count comes after the children count, whose
    // limit is known once the earnings are computed.
    const bool pendingDisc = read.failed == Field::cantidadhijosdisc;
    if (read.failed && !pendingDisc) {
        const Field f = *read.failed;
        result.refusal = {f, fieldMessage(f, fieldText(entries, f), format.decimalSeparator)};
        return result;
    }
    const PayInput& in = read.input;

    CalcState st;
    Payslip& slip = result.payslip.emplace();
    slip.decimalSeparator = format.decimalSeparator;
    slip.docente = entries.docente;
    slip.escala = scale.nombre;
    slip.titulo = scale.tituloRecibo;
    if (explain == Explain::yes)
        slip.explanations.emplace().lines.reserve(Payslip::kRows);

    if (in.cargo) {
        positionEarnings(in, scale, st, slip);
        positionAdditionAmounts(in, scale, st);
    } else {
        hoursEarnings(in, scale, st, slip);
    }
    seniorityAndZone(in, scale, st, slip);
    additionsAndMinimum(in, scale, st, slip);
    if (auto refused = transportAndFamily(in, scale, st, slip, pendingDisc)) {
        result.payslip.reset();
        result.refusal = std::move(*refused);
        return result;
    }
    deductions(in, scale, st, slip);
    formTotals(st, slip);
    explainTotals(slip);
    return result;
}

} // namespace haberes

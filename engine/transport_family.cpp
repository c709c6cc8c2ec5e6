// Kilometre allowance and family allowances.
#include "engine/groups.h"
#include "engine/messages.h"

#include <algorithm>

namespace haberes {

namespace {

constexpr int kWeeksPerMonth = 4;
// The child allowances are 16-bit amounts in the pay scale's own tables.
constexpr int kMaxChildAllowance = 32767;
constexpr int kMaxChildren = 255;

// Most children whose allowance at this rate still fits.
int maxChildrenAt(int rate)
{
    return rate > 0 ? std::min(kMaxChildAllowance / rate, kMaxChildren) : kMaxChildren;
}

} // namespace

int childAllowanceRate(const PayScale& scale, Currency bracketEarnings)
{
    if (bracketEarnings <= scale.topesHijo[0])
        return scale.montosHijo[0];
    if (bracketEarnings <= scale.topesHijo[1])
        return scale.montosHijo[1];
    return scale.montosHijo[2];
}

std::optional<Refusal> transportAndFamily(const PayInput& in, const PayScale& scale, CalcState& st, Payslip& slip,
                                          bool pendingDiscFailure)
{
    const PayEntries& e = *in.entries;
    const Explained x{in, scale, st};

    if (e.transporte == 1) {
        st.kmsemanales = in.cantkm;
        const double test = st.kmsemanales * scale.tasaPruebaKm * kWeeksPerMonth;
        st.imptransporte = test >= scale.topePruebaKm
                               ? scale.topeKm
                               : Currency::fromDouble(st.kmsemanales * scale.tasaKm * kWeeksPerMonth);
        slip.append("029", "transporte por KM", "", st.imptransporte, Column::earnings);
        explainLine(slip, x, &Explained::transport);
    }

    if (e.hijos == 1) {
        st.canthijos = in.cantidadhijos;
        // The kilometre allowance and the family lines stay out of the bracket.
        const Currency bracket = st.asigcat + st.impcompbas + st.impadicart + st.impproduct + st.impjornada +
                                 st.imptardif + st.impantig + st.impplus + st.impminimo + st.impzona +
                                 st.impincentivo + st.impnegro;
        const int rate = childAllowanceRate(scale, bracket);
        if (st.canthijos > maxChildrenAt(rate))
            return Refusal{Field::cantidadhijos, childCountMessage(Field::cantidadhijos, maxChildrenAt(rate))};
        st.imphijos = Currency::pesos(st.canthijos * rate);
        slip.append("1001", "Sal fam hijo", CountText(st.canthijos), st.imphijos, Column::earnings);
        if (slip.explaining())
            slip.explainLast(x.children(rate, bracket));
    }

    if (pendingDiscFailure)
        return Refusal{Field::cantidadhijosdisc,
                       fieldMessage(Field::cantidadhijosdisc, e.cantidadhijosdisc, in.decimalSeparator)};
    if (e.hijosdisc == 1) {
        st.canthijosdisc = in.cantidadhijosdisc;
        const int maxDisc = std::min(maxChildrenAt(scale.montoHijoDiferenciado), kMaxChildren - st.canthijos);
        if (st.canthijosdisc > maxDisc)
            return Refusal{Field::cantidadhijosdisc, childCountMessage(Field::cantidadhijosdisc, maxDisc)};
        st.imphijosdisc = Currency::pesos(st.canthijosdisc * scale.montoHijoDiferenciado);
        slip.append("1002", "Sal fam hijo diferenciado", CountText(st.canthijosdisc), st.imphijosdisc,
                    Column::earnings);
        explainLine(slip, x, &Explained::disabledChildren);
    }

    const int children = st.canthijos + st.canthijosdisc;
    if (children >= scale.hijosFamiliaNumerosa) {
        st.impfamnum = scale.familiaNumerosa;
        slip.append("1003", "Familia numerosa", CountText(children), st.impfamnum, Column::earnings);
        explainLine(slip, x, &Explained::largeFamily);
    }

    if (e.conyuge == 1) {
        st.impconyuge = scale.conyuge;
        slip.append("1010", "Sal fam Cony", std::nullopt, st.impconyuge, Column::earnings);
        explainLine(slip, x, &Explained::spouse);
    }
    return std::nullopt;
}

} // namespace haberes

// Kilometre allowance and family allowances.
#include "engine/groups.h"

namespace haberes {

namespace {

constexpr double kKmTestRate = 0.13472;
constexpr double kKmTestCap = 161.8;
constexpr double kKmRate = 0.195344;
const Currency kKmCap = Currency::fromTicks(2346100); // 234.61
constexpr int kWeeksPerMonth = 4;
constexpr int kDisabledChildRate = 720;
// The child allowances are 16-bit amounts in the pay scale's own tables.
constexpr int kMaxChildAllowance = 32767;
constexpr int kMaxChildren = 255;

} // namespace

int childAllowanceRate(Currency bracketEarnings)
{
    if (bracketEarnings <= Currency::pesos(2400))
        return 180;
    if (bracketEarnings <= Currency::pesos(3600))
        return 136;
    return 91;
}

std::optional<Refusal> transportAndFamily(const PayInput& in, CalcState& st, Payslip& slip, bool pendingDiscFailure)
{
    const PayEntries& e = *in.entries;

    if (e.transporte == 1) {
        st.kmsemanales = in.cantkm;
        const double test = st.kmsemanales * kKmTestRate * kWeeksPerMonth;
        st.imptransporte =
            test >= kKmTestCap ? kKmCap : Currency::fromDouble(st.kmsemanales * kKmRate * kWeeksPerMonth);
        slip.append("029", "transporte por KM", "", st.imptransporte, Column::earnings);
    }

    if (e.hijos == 1) {
        st.canthijos = in.cantidadhijos;
        // The kilometre allowance and the family lines stay out of the bracket.
        const Currency bracket = st.asigcat + st.impcompbas + st.impadicart + st.impproduct + st.impjornada +
                                 st.imptardif + st.impantig + st.impplus + st.impminimo + st.impzona +
                                 st.impincentivo + st.impnegro;
        const int rate = childAllowanceRate(bracket);
        if (st.canthijos * rate > kMaxChildAllowance)
            return Refusal{Field::cantidadhijos, childCountMessage(Field::cantidadhijos, kMaxChildAllowance / rate)};
        st.imphijos = Currency::pesos(st.canthijos * rate);
        slip.append("1001", "Sal fam hijo", std::to_string(st.canthijos), st.imphijos, Column::earnings);
    }

    if (pendingDiscFailure)
        return Refusal{Field::cantidadhijosdisc, fieldMessage(Field::cantidadhijosdisc)};
    if (e.hijosdisc == 1) {
        st.canthijosdisc = in.cantidadhijosdisc;
        const int maxDisc = std::min(kMaxChildAllowance / kDisabledChildRate, kMaxChildren - st.canthijos);
        if (st.canthijosdisc > maxDisc)
            return Refusal{Field::cantidadhijosdisc, childCountMessage(Field::cantidadhijosdisc, maxDisc)};
        st.imphijosdisc = Currency::pesos(st.canthijosdisc * kDisabledChildRate);
        slip.append("1002", "Sal fam hijo diferenciado", std::to_string(st.canthijosdisc), st.imphijosdisc,
                    Column::earnings);
    }

    const int children = st.canthijos + st.canthijosdisc;
    if (children >= 3) {
        st.impfamnum = Currency::pesos(3);
        slip.append("1003", "Familia numerosa", std::to_string(children), st.impfamnum, Column::earnings);
    }

    if (e.conyuge == 1) {
        st.impconyuge = Currency::pesos(15);
        slip.append("1010", "Sal fam Cony", std::nullopt, st.impconyuge, Column::earnings);
    }
    return std::nullopt;
}

} // namespace haberes

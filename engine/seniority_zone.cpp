// Seniority and zone: percentages of the category pay.
#include "engine/groups.h"

namespace haberes {

namespace {

// base × percentage is exact; the division by 100 is a double, rounded.
Currency percentOf(Currency base, int percent)
{
    return Currency::fromDouble(base.times(percent).toDouble() / 100);
}

} // namespace

void seniorityAndZone(const PayInput& in, const PayScale& scale, CalcState& st, Payslip& slip)
{
    const PayEntries& e = *in.entries;
    const Currency basezonal = st.impjornada + (st.asigcat + st.impcompbas + st.imptardif);

    st.impantig = percentOf(basezonal, e.porantig);
    const Explained x{in, scale, st};
    if (e.porantig != 0) {
        slip.append("010", "Antigüedad", e.porcantig, st.impantig, Column::earnings);
        explainLine(slip, x, &Explained::seniority);
    }

    // No item chosen pays no zone.
    st.porzona = e.zona >= 0 && e.zona < static_cast<int>(kZoneCount) ? scale.zona[static_cast<std::size_t>(e.zona)] : 0;
    if (st.porzona != 0) {
        st.impzona = percentOf(basezonal, st.porzona);
        slip.append("078", "As. por zona", CountText(st.porzona, " %"), st.impzona, Column::earnings);
        explainLine(slip, x, &Explained::zone);
    } else {
        st.impzona = Currency();
    }
}

} // namespace haberes

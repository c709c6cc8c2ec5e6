// Statutory additions (006, 014, 084, 113, 188), the share of 188 withheld
// for absences, the remunerative base of the deductions, and the top-up to
// the guaranteed minimum (172).
#include "engine/groups.h"

namespace haberes {

namespace {

int seniorityRow(const PayEntries& e)
{
    for (int i = 0; i < 12; ++i)
        if (e.Option[static_cast<std::size_t>(i)])
            return i;
    return 0;
}

// The band of basic points: the first whose upper end is not passed.
template <std::size_t N>
std::size_t band(const std::array<int, N>& tops, int points)
{
    std::size_t b = 0;
    while (b < N && points > tops[b])
        ++b;
    return b;
}

// Quantity of 006, 084, 113 in hours mode: the hour limit once reached,
// otherwise the hours as typed.
std::string_view hoursQuantity(double hours, std::string_view typed, int limit, CountText& limitText)
{
    if (hours < limit)
        return typed;
    limitText = CountText(limit);
    return limitText;
}

// A number of the scale written with a point, shown with the user's separator.
std::string withSeparator(const std::string& pointText, const std::string& sep)
{
    const std::size_t dot = pointText.find('.');
    if (dot == std::string::npos)
        return pointText;
    std::string out = pointText;
    out.replace(dot, 1, sep);
    return out;
}

} // namespace

void positionAdditionAmounts(const PayInput& in, const PayScale& scale, CalcState& st)
{
    const PayEntries& e = *in.entries;
    const auto row = static_cast<std::size_t>(seniorityRow(e));
    if (st.ptosjorcom >= scale.jornadaCompleta006)
        st.impadicart = scale.tablaB[row][band(scale.topesBandaB, st.ptosbasicos)];
    else
        st.impadicart = scale.tablaA[row][band(scale.topesBandaA, st.ptosbasicos)];
    const bool fullDay = st.ptosjorcom >= scale.jornadaCompletaNacion;
    st.impincentivo = e.opincentivo == 1 ? (fullDay ? scale.incentivoCargoJornada : scale.incentivoCargo) : Currency();
    st.impnegro = fullDay ? scale.negroCargoJornada : scale.negroCargo;
}

void additionsAndMinimum(const PayInput& in, const PayScale& scale, CalcState& st, Payslip& slip)
{
    const PayEntries& e = *in.entries;
    std::string_view q006, q084, q113;
    CountText limit006, limit084, limit113;
    if ((in.horasmedio || in.horassup) && !in.cargo) {
        const HoursRates& rates = in.horasmedio ? scale.horasMedio : scale.horasSuperior;
        q006 = hoursQuantity(in.numhorascod06, e.numhorascod06, rates.horasTope006, limit006);
        q084 = hoursQuantity(in.numhorasincen, e.numhorasincen, rates.horasMostradas084, limit084);
        q113 = hoursQuantity(in.numhorascod113, e.numhorascod113, rates.horasMostradas113, limit113);
    }

    const Explained x{in, scale, st};
    slip.append("006", "Adic. Art 2 y 3 Dcrto 5863/05", q006, st.impadicart, Column::earnings);
    explainLine(slip, x, &Explained::adicart);
    st.impproduct = Currency::fromDouble(st.impadicart.toDouble() * scale.parteProduct);
    slip.append("014", "Product Dcrto 5863/05", withSeparator(scale.cantidadProduct, in.decimalSeparator),
                st.impproduct, Column::earnings);
    explainLine(slip, x, &Explained::product);
    if (st.impincentivo > Currency()) {
        slip.append("084", "Incentivo de Nación", q084, st.impincentivo, Column::earnings);
        explainLine(slip, x, &Explained::incentive);
    }
    slip.append("113", "Negro de Nación", q113, st.impnegro, Column::earnings);
    explainLine(slip, x, &Explained::negro);

    const Currency plusBase = st.impjornada + st.asigcat + st.impcompbas + st.imptardif + st.impantig + st.impzona;
    st.impplus = Currency::fromDouble(plusBase.toDouble() * scale.partePlus);
    slip.append("188", "Plus Productividad", scale.cantidadPlus, st.impplus, Column::earnings);
    explainLine(slip, x, &Explained::plus);

    // Whole days only: a fraction of a day withholds nothing. Nothing is
    // withheld from a plus that is not positive (negative hours): line 440
    // would not be printed, yet its amount would enter the totals.
    const double days = in.dinasist;
    if (st.impplus <= Currency())
        st.impreajuste = Currency();
    else if (days == 1)
        st.impreajuste = Currency::fromDouble(st.impplus.toDouble() * scale.partesReajuste[0]);
    else if (days == 2)
        st.impreajuste = Currency::fromDouble(st.impplus.toDouble() * scale.partesReajuste[1]);
    else if (days == 3)
        st.impreajuste = Currency::fromDouble(st.impplus.toDouble() * scale.partesReajuste[2]);
    else if (days > 3)
        st.impreajuste = st.impplus;
    else
        st.impreajuste = Currency();

    st.baseremun = st.impjornada + st.asigcat + st.impcompbas + st.imptardif + st.impzona + st.impantig +
                   st.impadicart + st.impproduct + st.impplus - st.impreajuste;

    st.impminimo = Currency();
    if (in.cargo && st.ptosbasicos > scale.puntosMinimoDesde && st.ptosbasicos < scale.puntosMinimoHasta) {
        st.sumaminimo = st.impjornada + st.asigcat + st.impcompbas + st.impantig + st.imptardif + st.impplus +
                        st.impincentivo + st.impnegro;
        // The zone does not count, and about 7 % of it is taken off.
        const Currency zoneShare = Currency::fromDouble(st.impzona.toDouble() * scale.factorZonaMinimo);
        st.aportesestimados =
            (st.baseremun - st.impadicart - st.impproduct - zoneShare).toDouble() * scale.tasaAportesMinimo;
        const double d = st.sumaminimo.toDouble() - st.aportesestimados;
        if (d < scale.minimo.toDouble()) {
            st.impminimo = Currency::fromDouble(scale.minimo.toDouble() - d);
            slip.append("172", "Adic para mínimo", "", st.impminimo, Column::earnings);
            explainLine(slip, x, &Explained::minimum);
        }
    }
}

} // namespace haberes

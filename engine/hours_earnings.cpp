// Category pay of teaching hours, and the hour-driven amounts of lines 006,
// 084 and 113.
#include "engine/groups.h"

namespace haberes {

namespace {

struct HoursLevel {
    std::string_view description; // header
    std::string_view concepto;     // line 001
};

constexpr HoursLevel kSecondary{"Horas de nivel medio", "Hs. N. Medio"};
constexpr HoursLevel kTertiary{"Horas de nivel superior", "Hs. N. Superior"};

} // namespace

void hoursEarnings(const PayInput& in, const PayScale& scale, CalcState& st, Payslip& slip)
{
    const PayEntries& e = *in.entries;
    const bool secondary = in.horasmedio;
    const HoursLevel& level = secondary ? kSecondary : kTertiary;
    const HoursRates& rates = secondary ? scale.horasMedio : scale.horasSuperior;
    const double hours = secondary ? in.numerohorasmed : in.numerohorassup;

    st.cantidad = secondary ? e.numerohorasmed : e.numerohorassup;
    PayslipHeader& h = slip.header;
    h.caption = "Cantidad de horas";
    h.numcargo = st.cantidad;
    h.punbasicos = formatReal(hours * rates.puntosPorHora, in.decimalSeparator);
    h.carsel = level.description;
    h.positionPointsShown = false;

    st.asigcat = Currency::fromDouble((hours * rates.puntosPorHora) * scale.valorPunto);
    slip.append("001", level.concepto, st.cantidad, st.asigcat, Column::earnings);
    explainLine(slip, Explained{in, scale, st}, &Explained::categoryHours);

    // 006 compares the hours with its limit; 084 and 113 compare the amount.
    st.impadicart = in.numhorascod06 >= rates.horasTope006 ? rates.tope006
                                                            : Currency::fromDouble(in.numhorascod06 * rates.valorHora006);
    if (in.numhorasincen > 0) {
        const double p = in.numhorasincen * rates.valorHora084;
        st.impincentivo = p >= rates.tope084.toDouble() ? rates.tope084 : Currency::fromDouble(p);
    } else {
        st.impincentivo = Currency();
    }
    const double negro = in.numhorascod113 * rates.valorHora113;
    st.impnegro = negro >= rates.tope113.toDouble() ? rates.tope113 : Currency::fromDouble(negro);
}

} // namespace haberes

// Category pay of teaching hours, and the hour-driven amounts of lines 006,
// 084 and 113.
#include "engine/groups.h"

namespace haberes {

namespace {

struct HoursLevel {
    double pointsPerHour;
    std::string_view description; // header
    std::string_view concepto;     // line 001
    double cod06Hours;            // from these hours line 006 is fixed
    Currency cod06Max;
    double incentivePerHour;
    double negroPerHour;
};

constexpr double kPointValue = 0.8947;
constexpr double kCod06PerHour = 10.81;
const Currency kIncentiveMax = Currency::pesos(330);
const Currency kNegroMax = Currency::pesos(200);

const HoursLevel kSecondary{64.73, "Horas de nivel medio", "Hs. N. Medio", 30, Currency::fromTicks(3243000), 11,
                            6.6666};
const HoursLevel kTertiary{86.9, "Horas de nivel superior", "Hs. N. Superior", 15, Currency::fromTicks(1621500),
                           13.75, 8.3333};

} // namespace

void hoursEarnings(const PayInput& in, CalcState& st, Payslip& slip)
{
    const PayEntries& e = *in.entries;
    const bool secondary = in.horasmedio;
    const HoursLevel& level = secondary ? kSecondary : kTertiary;
    const double hours = secondary ? in.numerohorasmed : in.numerohorassup;

    st.cantidad = secondary ? e.numerohorasmed : e.numerohorassup;
    PayslipHeader& h = slip.header;
    h.caption = "Cantidad de horas";
    h.numcargo = st.cantidad;
    h.punbasicos = formatReal(hours * level.pointsPerHour, in.decimalSeparator);
    h.carsel = std::string(level.description);
    h.positionPointsShown = false;

    st.asigcat = Currency::fromDouble((hours * level.pointsPerHour) * kPointValue);
    slip.append("001", level.concepto, st.cantidad, st.asigcat, Column::earnings);

    // 006 compares the hours with its limit; 084 and 113 compare the amount.
    st.impadicart = in.numhorascod06 >= level.cod06Hours ? level.cod06Max
                                                          : Currency::fromDouble(in.numhorascod06 * kCod06PerHour);
    if (in.numhorasincen > 0) {
        const double p = in.numhorasincen * level.incentivePerHour;
        st.impincentivo = p >= 330 ? kIncentiveMax : Currency::fromDouble(p);
    } else {
        st.impincentivo = Currency();
    }
    const double negro = in.numhorascod113 * level.negroPerHour;
    st.impnegro = negro >= 200 ? kNegroMax : Currency::fromDouble(negro);
}

} // namespace haberes

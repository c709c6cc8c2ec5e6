// Statutory additions (006, 014, 084, 113, 188), the share of 188 withheld
// for absences, the remunerative base of the deductions, and the top-up to
// the guaranteed minimum (172).
#include "engine/groups.h"

namespace haberes {

namespace {

// Line 006 for a position, by seniority row (Option1 first) and band of
// basic points. Table A: positions under 620 full-day points.
constexpr int kAdicartA[12][6] = {
    {409, 99, 0, 0, 0, 0},         {431, 112, 0, 0, 0, 0},        {555, 224, 298, 240, 224, 0},
    {623, 242, 298, 240, 224, 0},  {646, 261, 311, 248, 224, 174}, {565, 286, 311, 248, 224, 174},
    {578, 323, 323, 252, 236, 199}, {553, 354, 453, 286, 236, 199}, {664, 428, 491, 422, 348, 224},
    {826, 540, 509, 410, 385, 224}, {925, 615, 534, 410, 397, 236}, {956, 633, 596, 416, 410, 236},
};
// Upper ends of the bands of table A (the last band is open).
constexpr int kBandTopA[5] = {971, 1169, 1400, 1942, 2220};
// Table B: full-day positions, two bands split at 971.
constexpr int kAdicartB[12][2] = {
    {99, 99},   {112, 112}, {273, 273}, {472, 435}, {546, 497}, {590, 540},
    {633, 559}, {652, 578}, {689, 590}, {733, 609}, {764, 627}, {770, 633},
};

constexpr double kProductShare = 0.07;
constexpr double kPlusShare = 0.07;
constexpr double kContributionRate = 0.196;
constexpr double kZoneFactor = 1.07;
const Currency kMinimum = Currency::pesos(1490);

int seniorityRow(const PayEntries& e)
{
    for (int i = 0; i < 12; ++i)
        if (e.Option[static_cast<std::size_t>(i)])
            return i;
    return 0;
}

// Quantity of 006, 084, 113 in hours mode: the hour limit once reached,
// otherwise the hours as typed.
std::string hoursQuantity(double hours, const std::string& typed, int limit)
{
    return hours >= limit ? std::to_string(limit) : typed;
}

} // namespace

void positionAdditionAmounts(const PayInput& in, CalcState& st)
{
    const PayEntries& e = *in.entries;
    const int row = seniorityRow(e);
    int amount;
    if (st.ptosjorcom >= 620) {
        amount = kAdicartB[row][st.ptosbasicos <= 971 ? 0 : 1];
    } else {
        int band = 0;
        while (band < 5 && st.ptosbasicos > kBandTopA[band])
            ++band;
        amount = kAdicartA[row][band];
    }
    st.impadicart = Currency::pesos(amount);
    const bool fullDay = st.ptosjorcom >= 600;
    st.impincentivo = e.opincentivo == 1 ? Currency::pesos(fullDay ? 330 : 165) : Currency();
    st.impnegro = Currency::pesos(fullDay ? 200 : 100);
}

void additionsAndMinimum(const PayInput& in, CalcState& st, Payslip& slip)
{
    const PayEntries& e = *in.entries;
    std::string q006, q084, q113;
    if (in.horasmedio && !in.cargo) {
        q006 = hoursQuantity(in.numhorascod06, e.numhorascod06, 30);
        q084 = hoursQuantity(in.numhorasincen, e.numhorasincen, 30);
        q113 = hoursQuantity(in.numhorascod113, e.numhorascod113, 30);
    } else if (in.horassup && !in.cargo) {
        q006 = hoursQuantity(in.numhorascod06, e.numhorascod06, 15);
        q084 = hoursQuantity(in.numhorasincen, e.numhorasincen, 24);
        q113 = hoursQuantity(in.numhorascod113, e.numhorascod113, 24);
    }

    slip.append("006", "Adic. Art 2 y 3 Dcrto 5863/05", q006, st.impadicart, Column::earnings);
    st.impproduct = Currency::fromDouble(st.impadicart.toDouble() * kProductShare);
    // The quantity shows 0.7 (not the 0.07 share) in the user's notation.
    slip.append("014", "Product Dcrto 5863/05", "0" + in.decimalSeparator + "7", st.impproduct, Column::earnings);
    if (st.impincentivo > Currency())
        slip.append("084", "Incentivo de Nación", q084, st.impincentivo, Column::earnings);
    slip.append("113", "Negro de Nación", q113, st.impnegro, Column::earnings);

    const Currency plusBase = st.impjornada + st.asigcat + st.impcompbas + st.imptardif + st.impantig + st.impzona;
    st.impplus = Currency::fromDouble(plusBase.toDouble() * kPlusShare);
    slip.append("188", "Plus Productividad", "7.0", st.impplus, Column::earnings);

    // Whole days only: a fraction of a day withholds nothing. Nothing is
    // withheld from a plus that is not positive (negative hours): line 440
    // would not be printed, yet its amount would enter the totals.
    const double days = in.dinasist;
    if (st.impplus <= Currency())
        st.impreajuste = Currency();
    else if (days == 1)
        st.impreajuste = Currency::fromDouble(st.impplus.toDouble() * 0.25);
    else if (days == 2)
        st.impreajuste = Currency::fromDouble(st.impplus.toDouble() * 0.5);
    else if (days == 3)
        st.impreajuste = Currency::fromDouble(st.impplus.toDouble() * 0.75);
    else if (days > 3)
        st.impreajuste = st.impplus;
    else
        st.impreajuste = Currency();

    st.baseremun = st.impjornada + st.asigcat + st.impcompbas + st.imptardif + st.impzona + st.impantig +
                   st.impadicart + st.impproduct + st.impplus - st.impreajuste;

    st.impminimo = Currency();
    if (in.cargo && st.ptosbasicos > 900 && st.ptosbasicos < 1300) {
        st.sumaminimo = st.impjornada + st.asigcat + st.impcompbas + st.impantig + st.imptardif + st.impplus +
                        st.impincentivo + st.impnegro;
        // The zone does not count, and about 7 % of it is taken off.
        const Currency zoneShare = Currency::fromDouble(st.impzona.toDouble() * kZoneFactor);
        st.aportesestimados =
            (st.baseremun - st.impadicart - st.impproduct - zoneShare).toDouble() * kContributionRate;
        const double d = st.sumaminimo.toDouble() - st.aportesestimados;
        if (d < kMinimum.toDouble()) {
            st.impminimo = Currency::fromDouble(kMinimum.toDouble() - d);
            slip.append("172", "Adic para mínimo", "", st.impminimo, Column::earnings);
        }
    }
}

} // namespace haberes

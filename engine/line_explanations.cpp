#include "engine/line_explanations.h"

#include "engine/numbers.h"

#include <string>

namespace haberes {

namespace {

const char* const kCategoryBase = "cargo, jornada y tarea diferenciada";
const char* const kHoursBase = "asignación de las horas";
const char* const kPlusBase = "cargo, jornada, tarea diferenciada, antigüedad y zona";

std::string count(int n, const char* one, const char* many)
{
    return n == 1 ? one : many;
}

int seniorityRow(const PayEntries& e)
{
    for (std::size_t i = 0; i < e.Option.size(); ++i)
        if (e.Option[i])
            return static_cast<int>(i);
    return 0;
}

std::string amountText(Currency amount, const std::string& sep)
{
    std::string out;
    formatAmountInto(out, "$ ", amount, sep);
    return out;
}

// "hasta 971", "de 972 a 1169", "más de 2220" puntos básicos.
template <std::size_t N>
std::string bandText(const std::array<int, N>& tops, int points)
{
    std::size_t b = 0;
    while (b < N && points > tops[b])
        ++b;
    if (b == 0)
        return "hasta " + std::to_string(tops[0]) + " puntos básicos";
    if (b == N)
        return "más de " + std::to_string(tops[N - 1]) + " puntos básicos";
    return "de " + std::to_string(tops[b - 1] + 1) + " a " + std::to_string(tops[b]) + " puntos básicos";
}

const HoursRates& hoursRates(const PayInput& in, const PayScale& scale)
{
    return in.horasmedio ? scale.horasMedio : scale.horasSuperior;
}

// A product in hours up to a cap on its amount (084, 113).
Explanation hoursUpToCap(double hours, double perHour, Currency cap, Currency amount)
{
    std::vector<Operand> ops{Operand::quantity(hours, "horas"), Operand::rate(perHour)};
    const double p = hours * perHour;
    if (p >= cap.toDouble())
        return cappedAt(std::move(ops), Currency::fromDouble(p), cap);
    return productOf(std::move(ops), amount);
}

} // namespace

Explanation Explained::categoryPosition() const
{
    return productOf({Operand::quantity(st.ptosbasicos, "puntos"), Operand::rate(scale.valorPunto)}, st.asigcat);
}

Explanation Explained::categoryHours() const
{
    const HoursRates& rates = hoursRates(in, scale);
    const double hours = in.horasmedio ? in.numerohorasmed : in.numerohorassup;
    return productOf({Operand::quantity(hours, "horas"), Operand::quantity(rates.puntosPorHora, "puntos por hora"),
                      Operand::rate(scale.valorPunto)},
                     st.asigcat);
}

Explanation Explained::complement() const
{
    return productOf({Operand::quantity(in.compbas, "puntos"), Operand::rate(scale.valorPunto)}, st.impcompbas);
}

Explanation Explained::fullDay() const
{
    if (st.ptosjorcom != 0 && st.ptosproljor != 0) {
        const std::string sep = in.decimalSeparator;
        const std::string price = " × $ " + formatReal(scale.valorPuntoJornada, sep);
        return sumOf({Operand::money(st.impjorcom, std::to_string(st.ptosjorcom) + " puntos" + price +
                                                       " de jornada completa"),
                      Operand::money(st.impproljor, std::to_string(st.ptosproljor) + " puntos" + price +
                                                        " de prolongación")},
                     st.impjornada, "jornada completa y prolongación de jornada");
    }
    const int points = st.ptosjorcom != 0 ? st.ptosjorcom : st.ptosproljor;
    return productOf({Operand::quantity(points, "puntos"), Operand::rate(scale.valorPuntoJornada)}, st.impjornada);
}

Explanation Explained::differentiated() const
{
    return productOf({Operand::quantity(st.ptostardif.toDouble(), "puntos"), Operand::rate(scale.valorPunto)},
                     st.imptardif);
}

Explanation Explained::seniority() const
{
    const Currency base = st.impjornada + (st.asigcat + st.impcompbas + st.imptardif);
    return percentageOf(in.entries->porantig, base, in.cargo ? kCategoryBase : kHoursBase, st.impantig);
}

Explanation Explained::zone() const
{
    const Currency base = st.impjornada + (st.asigcat + st.impcompbas + st.imptardif);
    Explanation x = percentageOf(st.porzona, base, in.cargo ? kCategoryBase : kHoursBase, st.impzona);
    const int item = in.entries->zona;
    if (item >= 0 && static_cast<std::size_t>(item) < kZoneItems.size())
        x.rule = "zona «" + std::string(kZoneItems[static_cast<std::size_t>(item)]) + "»";
    return x;
}

Explanation Explained::adicart() const
{
    if (!in.cargo) {
        const HoursRates& rates = hoursRates(in, scale);
        if (in.numhorascod06 >= rates.horasTope006)
            return fixedAmount(st.impadicart, std::to_string(rates.horasTope006) + " horas o más");
        return productOf({Operand::quantity(in.numhorascod06, "horas"), Operand::rate(rates.valorHora006)},
                         st.impadicart);
    }
    const int row = seniorityRow(*in.entries);
    const std::string bracket = "fila «" + std::string(kSeniorityCaptions[static_cast<std::size_t>(row)]) + "»";
    if (st.ptosjorcom >= scale.jornadaCompleta006)
        return fixedAmount(st.impadicart, "tabla de cargos de jornada completa (" +
                                              std::to_string(scale.jornadaCompleta006) + " puntos o más), " +
                                              bracket + ", " + bandText(scale.topesBandaB, st.ptosbasicos));
    return fixedAmount(st.impadicart, "tabla de cargos, " + bracket + ", " + bandText(scale.topesBandaA, st.ptosbasicos));
}

Explanation Explained::product() const
{
    return percentageOf(scale.parteProduct * 100, st.impadicart, "adicional 006", st.impproduct, scale.parteProduct);
}

Explanation Explained::incentive() const
{
    if (!in.cargo) {
        const HoursRates& rates = hoursRates(in, scale);
        return hoursUpToCap(in.numhorasincen, rates.valorHora084, rates.tope084, st.impincentivo);
    }
    const bool fullDay = st.ptosjorcom >= scale.jornadaCompletaNacion;
    return fixedAmount(st.impincentivo, fullDay ? "monto fijo por cargo de jornada completa" : "monto fijo por cargo");
}

Explanation Explained::negro() const
{
    if (!in.cargo) {
        const HoursRates& rates = hoursRates(in, scale);
        return hoursUpToCap(in.numhorascod113, rates.valorHora113, rates.tope113, st.impnegro);
    }
    const bool fullDay = st.ptosjorcom >= scale.jornadaCompletaNacion;
    return fixedAmount(st.impnegro, fullDay ? "monto fijo por cargo de jornada completa" : "monto fijo por cargo");
}

Explanation Explained::plus() const
{
    const Currency base = st.impjornada + st.asigcat + st.impcompbas + st.imptardif + st.impantig + st.impzona;
    return percentageOf(scale.partePlus * 100, base, kPlusBase, st.impplus, scale.partePlus);
}

Explanation Explained::minimum() const
{
    Operand withheld = Operand::rate(st.aportesestimados, "aportes estimados");
    return sumOf({Operand::money(scale.minimo, "mínimo garantizado"),
                  Operand::money(st.sumaminimo, "haberes que cuentan para el mínimo").minus(), withheld},
                 st.impminimo);
}

Explanation Explained::transport() const
{
    const double test = st.kmsemanales * scale.tasaPruebaKm * 4;
    if (test >= scale.topePruebaKm)
        return fixedAmount(st.imptransporte, std::to_string(st.kmsemanales) + " km por semana, tope");
    return productOf({Operand::quantity(st.kmsemanales, "km por semana"), Operand::rate(scale.tasaKm),
                      Operand::quantity(4, "semanas")},
                     st.imptransporte);
}

Explanation Explained::children(int rate, Currency bracket) const
{
    const std::string sep = in.decimalSeparator;
    std::string rule = "haberes del tramo " + amountText(bracket, sep);
    if (bracket <= scale.topesHijo[0])
        rule += ", hasta " + amountText(scale.topesHijo[0], sep);
    else if (bracket <= scale.topesHijo[1])
        rule += ", hasta " + amountText(scale.topesHijo[1], sep);
    else
        rule += ", más de " + amountText(scale.topesHijo[1], sep);
    return productOf({Operand::quantity(st.canthijos, count(st.canthijos, "hijo", "hijos")),
                      Operand::money(Currency::pesos(rate))},
                     st.imphijos, std::move(rule));
}

Explanation Explained::disabledChildren() const
{
    return productOf({Operand::quantity(st.canthijosdisc, count(st.canthijosdisc, "hijo diferenciado",
                                                                "hijos diferenciados")),
                      Operand::money(Currency::pesos(scale.montoHijoDiferenciado))},
                     st.imphijosdisc);
}

Explanation Explained::largeFamily() const
{
    return fixedAmount(st.impfamnum, std::to_string(scale.hijosFamiliaNumerosa) + " hijos o más");
}

Explanation Explained::spouse() const
{
    return fixedAmount(st.impconyuge, "monto fijo");
}

Explanation Explained::absences() const
{
    const double days = in.dinasist;
    if (days > 3)
        return fixedAmount(st.impreajuste, "más de 3 días de inasistencia: el plus productividad entero");
    const auto d = static_cast<std::size_t>(days) - 1;
    const double share = scale.partesReajuste[d];
    Explanation x = percentageOf(share * 100, st.impplus, "plus productividad", st.impreajuste, share);
    x.rule = std::to_string(d + 1) + (d == 0 ? " día de inasistencia" : " días de inasistencia");
    return x;
}

Explanation Explained::deduction(const DeductionRate& rate, Currency amount, bool withIncentive) const
{
    const bool incentive = withIncentive && st.impincentivo != Currency();
    const Currency base = incentive ? st.baseremun + st.impincentivo : st.baseremun;
    return percentageOf(rate.tasa * 100, base, incentive ? "base remunerativa e incentivo de Nación" : "base remunerativa",
                        amount, rate.tasa);
}

void explainTotals(Payslip& slip)
{
    if (!slip.explaining())
        return;
    PayslipExplanations& x = *slip.explanations;
    std::vector<Operand> earnings, deductions;
    bool jornadaSeen = false, jornadaTwice = false;
    for (const PayslipLine& line : slip.lines) {
        if (line.column == Column::deductions) {
            deductions.push_back(Operand::money(line.amount));
            continue;
        }
        // Both 052 lines show the one full-day amount; it counts once.
        if (line.code == "052") {
            jornadaTwice = jornadaSeen;
            jornadaSeen = true;
            if (jornadaTwice)
                continue;
        }
        earnings.push_back(Operand::money(line.amount));
    }
    const std::size_t earningLines = earnings.size() + (jornadaTwice ? 1 : 0);
    std::string habRule = "suma de " + std::to_string(earningLines) + count(static_cast<int>(earningLines), " línea", " líneas") + " de haberes";
    if (jornadaTwice)
        habRule += ", el 052 una sola vez";
    x.totalhab = sumOf(std::move(earnings), slip.totalhab, std::move(habRule), true);
    const std::size_t deductionLines = deductions.size();
    x.totaldesc = sumOf(std::move(deductions), slip.totaldesc,
                        "suma de " + std::to_string(deductionLines) +
                            count(static_cast<int>(deductionLines), " línea", " líneas") + " de descuentos",
                        true);
    x.totalliq = sumOf({Operand::money(slip.totalhab), Operand::money(slip.totaldesc).minus()}, slip.totalliq,
                       slip.totalliq < Currency() ? "Atención: el líquido a pagar es negativo" : "");
}

} // namespace haberes

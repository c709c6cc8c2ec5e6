// The table of the scale file format: the one place its keys are spelt,
// in the order docs/escala.md lists them and the writer writes them.
#include "scale/scale_format.h"

#include "scale/scale_limits.h"

#include <tuple>

namespace haberes {

namespace {

using Fields = std::vector<ScaleField>;

ScaleField field(std::string path, ScaleKind kind, double hi, std::function<ScaleValue(PayScale&)> at)
{
    return ScaleField{std::move(path), kind, 0, hi, 0, false, {}, std::move(at)};
}
ScaleField whole(std::string path, int lo, int hi, std::function<ScaleValue(PayScale&)> at)
{
    return ScaleField{std::move(path), ScaleKind::whole, double(lo), double(hi), 0, false, {}, std::move(at)};
}
ScaleField list(std::string path, ScaleKind kind, double lo, double hi, std::size_t count, bool rising,
                std::string items, std::function<ScaleValue(PayScale&)> at)
{
    return ScaleField{std::move(path), kind, lo, hi, count, rising, std::move(items), std::move(at)};
}

// The same keys for the hours of either level.
void hours(Fields& f, const std::string& key, HoursRates PayScale::*level)
{
    auto h = [level](PayScale& s) -> HoursRates& { return s.*level; };
    f.push_back(field(key + ".puntos_por_hora", ScaleKind::rate, kMaxPointsPerHour,
                      [h](PayScale& s) { return &h(s).puntosPorHora; }));
    const std::string a = key + ".adicional_006";
    f.push_back(field(a + ".por_hora", ScaleKind::rate, kMaxHourValue, [h](PayScale& s) { return &h(s).valorHora006; }));
    f.push_back(whole(a + ".horas_tope", 0, kMaxScaleHours, [h](PayScale& s) { return &h(s).horasTope006; }));
    f.push_back(field(a + ".tope", ScaleKind::amount, kMaxScaleAmount, [h](PayScale& s) { return &h(s).tope006; }));
    // Lines 084 and 113: an amount per hour, its cap and the hours from
    // which the quantity column shows a fixed number.
    using Cap = std::tuple<double HoursRates::*, Currency HoursRates::*, int HoursRates::*>;
    const std::pair<const char*, Cap> caps[] = {
        {".incentivo_084", {&HoursRates::valorHora084, &HoursRates::tope084, &HoursRates::horasMostradas084}},
        {".negro_113", {&HoursRates::valorHora113, &HoursRates::tope113, &HoursRates::horasMostradas113}},
    };
    for (const auto& [name, cap] : caps) {
        const auto perHour = std::get<0>(cap);
        const auto top = std::get<1>(cap);
        const auto shown = std::get<2>(cap);
        const std::string c = key + name;
        f.push_back(field(c + ".por_hora", ScaleKind::rate, kMaxHourValue, [h, perHour](PayScale& s) { return &(h(s).*perHour); }));
        f.push_back(field(c + ".tope", ScaleKind::amount, kMaxScaleAmount, [h, top](PayScale& s) { return &(h(s).*top); }));
        f.push_back(whole(c + ".horas_mostradas", 0, kMaxScaleHours, [h, shown](PayScale& s) { return &(h(s).*shown); }));
    }
}

// Band tops (whole basic points, rising) and one row of amounts per
// seniority option.
template <std::size_t Bands>
void table(Fields& f, const std::string& key, std::array<int, Bands - 1> PayScale::*tops,
           std::array<std::array<Currency, Bands>, kSeniorityRows> PayScale::*amounts)
{
    f.push_back(list(key + ".topes_bandas", ScaleKind::wholeList, 0, kMaxScalePoints, Bands - 1, true,
                     "puntos enteros, de menor a mayor", [tops](PayScale& s) { return std::span<int>(s.*tops); }));
    f.push_back(list(key + ".montos", ScaleKind::amountTable, 0, kMaxScaleAmount, Bands, false, {},
                     [amounts](PayScale& s) { return std::span<std::array<Currency, Bands>>(s.*amounts); }));
}

Fields build()
{
    Fields f;
    f.push_back(whole("formato", kScaleFormat, kScaleFormat, [](PayScale&) { return std::monostate{}; }));
    f.back().kind = ScaleKind::version;
    f.push_back(field("nombre", ScaleKind::text, 0, [](PayScale& s) { return &s.nombre; }));
    f.push_back(field("titulo_recibo", ScaleKind::text, 0, [](PayScale& s) { return &s.tituloRecibo; }));
    f.push_back(field("vigencia", ScaleKind::month, 0,
                      [](PayScale& s) { return std::pair<int*, int*>(&s.vigenciaAnio, &s.vigenciaMes); }));
    f.push_back(field("valor_punto", ScaleKind::rate, kMaxPointValue, [](PayScale& s) { return &s.valorPunto; }));
    f.push_back(field("valor_punto_jornada", ScaleKind::rate, kMaxPointValue,
                      [](PayScale& s) { return &s.valorPuntoJornada; }));
    hours(f, "horas_medio", &PayScale::horasMedio);
    hours(f, "horas_superior", &PayScale::horasSuperior);
    f.push_back(list("antiguedad", ScaleKind::wholeList, 0, 255, kSeniorityRows, false,
                     "porcentajes enteros entre 0 y 255",
                     [](PayScale& s) { return std::span<std::uint8_t>(s.antiguedad); }));
    f.push_back(list("zona", ScaleKind::wholeList, 0, 255, kZoneCount, false, "porcentajes enteros entre 0 y 255",
                     [](PayScale& s) { return std::span<std::uint8_t>(s.zona); }));

    f.push_back(whole("adicional_006_cargo.jornada_completa_desde", 0, kMaxScalePoints,
                      [](PayScale& s) { return &s.jornadaCompleta006; }));
    table<kBandsA>(f, "adicional_006_cargo.tabla_a", &PayScale::topesBandaA, &PayScale::tablaA);
    table<kBandsB>(f, "adicional_006_cargo.tabla_b", &PayScale::topesBandaB, &PayScale::tablaB);

    f.push_back(field("product_014.parte", ScaleKind::rate, kMaxShare, [](PayScale& s) { return &s.parteProduct; }));
    f.push_back(field("product_014.cantidad", ScaleKind::pointNumber, 0, [](PayScale& s) { return &s.cantidadProduct; }));

    f.push_back(whole("nacion_cargo.jornada_completa_desde", 0, kMaxScalePoints,
                      [](PayScale& s) { return &s.jornadaCompletaNacion; }));
    const std::pair<const char*, Currency PayScale::*> nacion[] = {
        {"incentivo_084", &PayScale::incentivoCargo},
        {"incentivo_084_jornada", &PayScale::incentivoCargoJornada},
        {"negro_113", &PayScale::negroCargo},
        {"negro_113_jornada", &PayScale::negroCargoJornada},
    };
    for (const auto& [key, member] : nacion)
        f.push_back(field(std::string("nacion_cargo.") + key, ScaleKind::amount, kMaxScaleAmount,
                          [m = member](PayScale& s) { return &(s.*m); }));

    f.push_back(field("plus_188.parte", ScaleKind::rate, kMaxShare, [](PayScale& s) { return &s.partePlus; }));
    f.push_back(field("plus_188.cantidad", ScaleKind::text, 0, [](PayScale& s) { return &s.cantidadPlus; }));
    f.push_back(list("reajuste_440", ScaleKind::rateList, 0, kMaxShare, 3, false,
                     "partes entre 0 y 1 (1, 2 y 3 días de inasistencia)",
                     [](PayScale& s) { return std::span<double>(s.partesReajuste); }));

    f.push_back(field("minimo_172.minimo", ScaleKind::amount, kMaxScaleAmount, [](PayScale& s) { return &s.minimo; }));
    f.push_back(whole("minimo_172.puntos_mayor_que", 0, kMaxScalePoints, [](PayScale& s) { return &s.puntosMinimoDesde; }));
    f.push_back(whole("minimo_172.puntos_menor_que", 0, kMaxScalePoints, [](PayScale& s) { return &s.puntosMinimoHasta; }));
    f.push_back(field("minimo_172.tasa_aportes", ScaleKind::rate, kMaxShare, [](PayScale& s) { return &s.tasaAportesMinimo; }));
    f.push_back(field("minimo_172.factor_zona", ScaleKind::rate, kMaxFactor, [](PayScale& s) { return &s.factorZonaMinimo; }));

    f.push_back(field("transporte_029.tasa_prueba", ScaleKind::rate, kMaxKmRate, [](PayScale& s) { return &s.tasaPruebaKm; }));
    f.push_back(field("transporte_029.tope_prueba", ScaleKind::rate, kMaxScaleAmount, [](PayScale& s) { return &s.topePruebaKm; }));
    f.push_back(field("transporte_029.tasa", ScaleKind::rate, kMaxKmRate, [](PayScale& s) { return &s.tasaKm; }));
    f.push_back(field("transporte_029.tope", ScaleKind::amount, kMaxScaleAmount, [](PayScale& s) { return &s.topeKm; }));

    f.push_back(list("hijo_1001.topes", ScaleKind::amountList, 0, kMaxScaleAmount, 2, true, "importes, de menor a mayor",
                     [](PayScale& s) { return std::span<Currency>(s.topesHijo); }));
    f.push_back(list("hijo_1001.montos", ScaleKind::wholeList, 0, kMaxChildRate, 3, false,
                     "importes enteros por hijo entre 0 y " + std::to_string(kMaxChildRate),
                     [](PayScale& s) { return std::span<int>(s.montosHijo); }));
    f.push_back(whole("hijo_diferenciado_1002", 0, kMaxChildRate, [](PayScale& s) { return &s.montoHijoDiferenciado; }));
    f.push_back(whole("familia_numerosa_1003.desde_hijos", 1, 255, [](PayScale& s) { return &s.hijosFamiliaNumerosa; }));
    f.push_back(field("familia_numerosa_1003.monto", ScaleKind::amount, kMaxScaleAmount,
                      [](PayScale& s) { return &s.familiaNumerosa; }));
    f.push_back(field("conyuge_1010", ScaleKind::amount, kMaxScaleAmount, [](PayScale& s) { return &s.conyuge; }));

    // Deductions, in payslip order: each a rate and the text of its quantity.
    const std::pair<const char*, DeductionRate PayScale::*> deductions[] = {
        {"iosper_505", &PayScale::iosper},   {"osplad_508", &PayScale::osplad},   {"aporte_jub_502", &PayScale::jubilacion},
        {"ley4035_504", &PayScale::ley4035}, {"zutel_332", &PayScale::zutel},     {"caja_comp_512", &PayScale::cajaComp},
        {"seguro_510", &PayScale::seguro},
    };
    for (const auto& [key, member] : deductions) {
        const std::string d = std::string("descuentos.") + key;
        f.push_back(field(d + ".tasa", ScaleKind::rate, kMaxShare, [m = member](PayScale& s) { return &(s.*m).tasa; }));
        f.push_back(field(d + ".cantidad", ScaleKind::text, 0, [m = member](PayScale& s) { return &(s.*m).cantidad; }));
    }

    f.push_back(list("cargos", ScaleKind::positions, 1, kMaxPositions, 0, false, {},
                     [](PayScale& s) { return &s.cargos; }));
    return f;
}

constexpr PositionField kPositionFields[] = {
    {"codigocargo", &PositionRecord::codigocargo}, {"cargox", &PositionRecord::cargox},
    {"puntosbasicos", &PositionRecord::puntosbasicos}, {"proljornada", &PositionRecord::proljornada},
    {"jorcompleta", &PositionRecord::jorcompleta}, {"tareadif", &PositionRecord::tareadif},
    {"compbasico", &PositionRecord::compbasico},
};

} // namespace

const std::vector<ScaleField>& scaleFields()
{
    static const std::vector<ScaleField> fields = build();
    return fields;
}

std::span<const PositionField> positionFields() { return kPositionFields; }

std::vector<std::string> scaleKeysUnder(const std::string& object)
{
    std::vector<std::string> keys;
    const std::string prefix = object.empty() ? object : object + ".";
    for (const ScaleField& f : scaleFields()) {
        if (f.path.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string rest = f.path.substr(prefix.size());
        std::string key = rest.substr(0, rest.find('.'));
        if (keys.empty() || keys.back() != key)
            keys.push_back(std::move(key));
    }
    return keys;
}

const ScaleField* scaleField(std::string_view path)
{
    for (const ScaleField& f : scaleFields())
        if (f.path == path)
            return &f;
    return nullptr;
}

} // namespace haberes

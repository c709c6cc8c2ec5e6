// The table of the scale file format: the one place its keys are spelt,
// in the order docs/escala.md lists them and the writer writes them.
#include "scale/scale_format.h"

#include "engine/pay_input.h"
#include "scale/scale_limits.h"

#include <tuple>

namespace haberes {

namespace {

using Fields = std::vector<ScaleField>;

ScaleField list(std::string path, ScaleKind kind, double lo, double hi, std::size_t count, bool rising,
                std::string items, std::function<ScaleValue(PayScale&)> at)
{
    ScaleField k;
    k.path = std::move(path);
    k.kind = kind;
    k.lo = lo;
    k.hi = hi;
    k.count = count;
    k.rising = rising;
    k.items = std::move(items);
    k.at = std::move(at);
    return k;
}

ScaleField field(std::string path, ScaleKind kind, double hi, std::function<ScaleValue(PayScale&)> at)
{
    return list(std::move(path), kind, 0, hi, 0, false, {}, std::move(at));
}
ScaleField whole(std::string path, int lo, int hi, std::function<ScaleValue(PayScale&)> at)
{
    return list(std::move(path), ScaleKind::whole, lo, hi, 0, false, {}, std::move(at));
}

// What a person reads of the key just added.
void about(Fields& f, ScaleGroup group, RaiseGroup raise, std::string caption, std::string unit,
           std::vector<std::string> itemCaptions = {})
{
    ScaleField& k = f.back();
    k.group = group;
    k.raise = raise;
    k.caption = std::move(caption);
    k.unit = std::move(unit);
    k.itemCaptions = std::move(itemCaptions);
}

template <std::size_t N>
std::vector<std::string> captions(const std::array<std::string_view, N>& names)
{
    return {names.begin(), names.end()};
}

const std::string kShare = "parte (0,07 es el 7 %)";

// The same keys for the hours of either level.
void hours(Fields& f, const std::string& key, HoursRates PayScale::*level, ScaleGroup g)
{
    using R = RaiseGroup;
    auto h = [level](PayScale& s) -> HoursRates& { return s.*level; };
    f.push_back(field(key + ".puntos_por_hora", ScaleKind::rate, kMaxPointsPerHour,
                      [h](PayScale& s) { return &h(s).puntosPorHora; }));
    about(f, g, R::none, "Puntos de una hora cátedra", "puntos por hora");
    const std::string a = key + ".adicional_006";
    f.push_back(field(a + ".por_hora", ScaleKind::rate, kMaxHourValue, [h](PayScale& s) { return &h(s).valorHora006; }));
    about(f, g, R::hourAmounts, "Importe por hora de la línea 006", "pesos por hora");
    f.push_back(whole(a + ".horas_tope", 0, kMaxScaleHours, [h](PayScale& s) { return &h(s).horasTope006; }));
    about(f, g, R::none, "Horas desde las que la línea 006 paga su tope", "horas");
    f.push_back(field(a + ".tope", ScaleKind::amount, kMaxScaleAmount, [h](PayScale& s) { return &h(s).tope006; }));
    about(f, g, R::fixedAmounts, "Tope de la línea 006", "pesos");
    // Lines 084 and 113: an amount per hour, its cap and the hours from
    // which the quantity column shows a fixed number.
    using Cap = std::tuple<double HoursRates::*, Currency HoursRates::*, int HoursRates::*>;
    const std::tuple<const char*, const char*, Cap> caps[] = {
        {".incentivo_084", "084 (incentivo)",
         {&HoursRates::valorHora084, &HoursRates::tope084, &HoursRates::horasMostradas084}},
        {".negro_113", "113", {&HoursRates::valorHora113, &HoursRates::tope113, &HoursRates::horasMostradas113}},
    };
    for (const auto& [name, line, cap] : caps) {
        const auto perHour = std::get<0>(cap);
        const auto top = std::get<1>(cap);
        const auto shown = std::get<2>(cap);
        const std::string c = key + name;
        const std::string of = std::string(" de la línea ") + line;
        f.push_back(field(c + ".por_hora", ScaleKind::rate, kMaxHourValue, [h, perHour](PayScale& s) { return &(h(s).*perHour); }));
        about(f, g, R::hourAmounts, "Importe por hora" + of, "pesos por hora");
        f.push_back(field(c + ".tope", ScaleKind::amount, kMaxScaleAmount, [h, top](PayScale& s) { return &(h(s).*top); }));
        about(f, g, R::fixedAmounts, "Tope" + of, "pesos");
        f.push_back(whole(c + ".horas_mostradas", 0, kMaxScaleHours, [h, shown](PayScale& s) { return &(h(s).*shown); }));
        about(f, g, R::none, "Horas que muestra como máximo la cantidad" + of, "horas");
    }
}

// Band tops (whole basic points, rising) and one row of amounts per
// seniority option.
template <std::size_t Bands>
void table(Fields& f, const std::string& key, const std::string& name, std::array<int, Bands - 1> PayScale::*tops,
           std::array<std::array<Currency, Bands>, kSeniorityRows> PayScale::*amounts)
{
    f.push_back(list(key + ".topes_bandas", ScaleKind::wholeList, 0, kMaxScalePoints, Bands - 1, true,
                     "puntos enteros, de menor a mayor", [tops](PayScale& s) { return std::span<int>(s.*tops); }));
    std::vector<std::string> bands;
    for (std::size_t i = 1; i < Bands; ++i)
        bands.push_back("Banda " + std::to_string(i));
    about(f, ScaleGroup::line006, RaiseGroup::none, name + ": último punto básico de cada banda", "puntos",
          std::move(bands));
    f.push_back(list(key + ".montos", ScaleKind::amountTable, 0, kMaxScaleAmount, Bands, false, {},
                     [amounts](PayScale& s) { return std::span<std::array<Currency, Bands>>(s.*amounts); }));
    about(f, ScaleGroup::line006, RaiseGroup::fixedAmounts, name + ": importe de la línea 006", "pesos",
          captions(kSeniorityCaptions));
    f.back().namedByTops = key + ".topes_bandas";
}

Fields build()
{
    using G = ScaleGroup;
    using R = RaiseGroup;
    Fields f;
    f.push_back(whole("formato", kScaleFormat, kScaleFormat, [](PayScale&) { return std::monostate{}; }));
    f.back().kind = ScaleKind::version;
    about(f, G::identity, R::none, "Versión del formato", "");
    f.push_back(field("nombre", ScaleKind::text, 0, [](PayScale& s) { return &s.nombre; }));
    about(f, G::identity, R::none, "Nombre de la escala", "");
    f.push_back(field("titulo_recibo", ScaleKind::text, 0, [](PayScale& s) { return &s.tituloRecibo; }));
    about(f, G::identity, R::none, "Título del recibo", "");
    f.push_back(field("vigencia", ScaleKind::month, 0,
                      [](PayScale& s) { return std::pair<int*, int*>(&s.vigenciaAnio, &s.vigenciaMes); }));
    about(f, G::identity, R::none, "Mes desde el que rige", "año y mes (AAAA-MM)");
    f.push_back(field("valor_punto", ScaleKind::rate, kMaxPointValue, [](PayScale& s) { return &s.valorPunto; }));
    about(f, G::points, R::pointValues, "Valor del punto", "pesos por punto");
    f.push_back(field("valor_punto_jornada", ScaleKind::rate, kMaxPointValue,
                      [](PayScale& s) { return &s.valorPuntoJornada; }));
    about(f, G::points, R::pointValues, "Valor del punto de jornada completa", "pesos por punto");
    hours(f, "horas_medio", &PayScale::horasMedio, G::hoursMedio);
    hours(f, "horas_superior", &PayScale::horasSuperior, G::hoursSuperior);
    f.push_back(list("antiguedad", ScaleKind::wholeList, 0, 255, kSeniorityRows, false,
                     "porcentajes enteros entre 0 y 255",
                     [](PayScale& s) { return std::span<std::uint8_t>(s.antiguedad); }));
    about(f, G::seniorityZone, R::none, "Porcentaje por antigüedad", "%", captions(kSeniorityCaptions));
    f.push_back(list("zona", ScaleKind::wholeList, 0, 255, kZoneCount, false, "porcentajes enteros entre 0 y 255",
                     [](PayScale& s) { return std::span<std::uint8_t>(s.zona); }));
    about(f, G::seniorityZone, R::none, "Porcentaje por zona", "%", captions(kZoneItems));

    f.push_back(whole("adicional_006_cargo.jornada_completa_desde", 0, kMaxScalePoints,
                      [](PayScale& s) { return &s.jornadaCompleta006; }));
    about(f, G::line006, R::none, "Puntos de jornada completa desde los que se usa la tabla B", "puntos");
    table<kBandsA>(f, "adicional_006_cargo.tabla_a", "Tabla A", &PayScale::topesBandaA, &PayScale::tablaA);
    table<kBandsB>(f, "adicional_006_cargo.tabla_b", "Tabla B", &PayScale::topesBandaB, &PayScale::tablaB);

    f.push_back(field("product_014.parte", ScaleKind::rate, kMaxShare, [](PayScale& s) { return &s.parteProduct; }));
    about(f, G::lines014to440, R::none, "Parte de la línea 006 que paga la línea 014", kShare);
    f.push_back(field("product_014.cantidad", ScaleKind::pointNumber, 0, [](PayScale& s) { return &s.cantidadProduct; }));
    about(f, G::lines014to440, R::none, "Cantidad que muestra la línea 014", "número con punto decimal");

    f.push_back(whole("nacion_cargo.jornada_completa_desde", 0, kMaxScalePoints,
                      [](PayScale& s) { return &s.jornadaCompletaNacion; }));
    about(f, G::lines014to440, R::none, "Puntos de jornada completa desde los que un cargo cobra 084 y 113 de jornada",
          "puntos");
    const std::tuple<const char*, Currency PayScale::*, const char*> nacion[] = {
        {"incentivo_084", &PayScale::incentivoCargo, "Línea 084 de un cargo (incentivo)"},
        {"incentivo_084_jornada", &PayScale::incentivoCargoJornada, "Línea 084 de un cargo con jornada completa"},
        {"negro_113", &PayScale::negroCargo, "Línea 113 de un cargo"},
        {"negro_113_jornada", &PayScale::negroCargoJornada, "Línea 113 de un cargo con jornada completa"},
    };
    for (const auto& [key, member, caption] : nacion) {
        f.push_back(field(std::string("nacion_cargo.") + key, ScaleKind::amount, kMaxScaleAmount,
                          [m = member](PayScale& s) { return &(s.*m); }));
        about(f, G::lines014to440, R::fixedAmounts, caption, "pesos");
    }

    f.push_back(field("plus_188.parte", ScaleKind::rate, kMaxShare, [](PayScale& s) { return &s.partePlus; }));
    about(f, G::lines014to440, R::none, "Parte de la base que paga la línea 188", kShare);
    f.push_back(field("plus_188.cantidad", ScaleKind::text, 0, [](PayScale& s) { return &s.cantidadPlus; }));
    about(f, G::lines014to440, R::none, "Cantidad que muestra la línea 188", "");
    f.push_back(list("reajuste_440", ScaleKind::rateList, 0, kMaxShare, 3, false,
                     "partes entre 0 y 1 (1, 2 y 3 días de inasistencia)",
                     [](PayScale& s) { return std::span<double>(s.partesReajuste); }));
    about(f, G::lines014to440, R::none, "Parte de la línea 188 que descuenta la línea 440", kShare,
          {"Por 1 día de inasistencia", "Por 2 días de inasistencia", "Por 3 días de inasistencia"});

    f.push_back(field("minimo_172.minimo", ScaleKind::amount, kMaxScaleAmount, [](PayScale& s) { return &s.minimo; }));
    about(f, G::minimum, R::minimum, "Mínimo garantizado (línea 172)", "pesos");
    f.push_back(whole("minimo_172.puntos_mayor_que", 0, kMaxScalePoints, [](PayScale& s) { return &s.puntosMinimoDesde; }));
    about(f, G::minimum, R::none, "El mínimo rige para cargos con más puntos básicos que", "puntos");
    f.push_back(whole("minimo_172.puntos_menor_que", 0, kMaxScalePoints, [](PayScale& s) { return &s.puntosMinimoHasta; }));
    about(f, G::minimum, R::none, "El mínimo rige para cargos con menos puntos básicos que", "puntos");
    f.push_back(field("minimo_172.tasa_aportes", ScaleKind::rate, kMaxShare, [](PayScale& s) { return &s.tasaAportesMinimo; }));
    about(f, G::minimum, R::none, "Aportes estimados en el cálculo del mínimo", kShare);
    f.push_back(field("minimo_172.factor_zona", ScaleKind::rate, kMaxFactor, [](PayScale& s) { return &s.factorZonaMinimo; }));
    about(f, G::minimum, R::none, "Factor de la zona en el cálculo del mínimo", "factor");

    f.push_back(field("transporte_029.tasa_prueba", ScaleKind::rate, kMaxKmRate, [](PayScale& s) { return &s.tasaPruebaKm; }));
    about(f, G::transport, R::fixedAmounts, "Importe por km de la prueba del tope", "pesos por km");
    f.push_back(field("transporte_029.tope_prueba", ScaleKind::rate, kMaxScaleAmount, [](PayScale& s) { return &s.topePruebaKm; }));
    about(f, G::transport, R::fixedAmounts, "Valor de la prueba desde el que se paga el tope", "pesos");
    f.push_back(field("transporte_029.tasa", ScaleKind::rate, kMaxKmRate, [](PayScale& s) { return &s.tasaKm; }));
    about(f, G::transport, R::fixedAmounts, "Importe por km de transporte", "pesos por km");
    f.push_back(field("transporte_029.tope", ScaleKind::amount, kMaxScaleAmount, [](PayScale& s) { return &s.topeKm; }));
    about(f, G::transport, R::fixedAmounts, "Tope de la línea 029 (transporte)", "pesos");

    f.push_back(list("hijo_1001.topes", ScaleKind::amountList, 0, kMaxScaleAmount, 2, true, "importes, de menor a mayor",
                     [](PayScale& s) { return std::span<Currency>(s.topesHijo); }));
    about(f, G::family, R::familyAllowances, "Asignación por hijo: haberes hasta los que se cobra cada tramo", "pesos",
          {"Primer tramo", "Segundo tramo"});
    f.push_back(list("hijo_1001.montos", ScaleKind::wholeList, 0, kMaxChildRate, 3, false,
                     "importes enteros por hijo entre 0 y " + std::to_string(kMaxChildRate),
                     [](PayScale& s) { return std::span<int>(s.montosHijo); }));
    about(f, G::family, R::familyAllowances, "Asignación por hijo (línea 1001)", "pesos por hijo");
    f.back().namedByTops = "hijo_1001.topes";
    f.push_back(whole("hijo_diferenciado_1002", 0, kMaxChildRate, [](PayScale& s) { return &s.montoHijoDiferenciado; }));
    about(f, G::family, R::familyAllowances, "Asignación por hijo diferenciado (línea 1002)", "pesos por hijo");
    f.push_back(whole("familia_numerosa_1003.desde_hijos", 1, 255, [](PayScale& s) { return &s.hijosFamiliaNumerosa; }));
    about(f, G::family, R::none, "Hijos desde los que se paga familia numerosa", "hijos");
    f.push_back(field("familia_numerosa_1003.monto", ScaleKind::amount, kMaxScaleAmount,
                      [](PayScale& s) { return &s.familiaNumerosa; }));
    about(f, G::family, R::familyAllowances, "Familia numerosa (línea 1003)", "pesos");
    f.push_back(field("conyuge_1010", ScaleKind::amount, kMaxScaleAmount, [](PayScale& s) { return &s.conyuge; }));
    about(f, G::family, R::familyAllowances, "Asignación por cónyuge (línea 1010)", "pesos");

    // Deductions, in payslip order: each a rate and the text of its quantity.
    const std::tuple<const char*, DeductionRate PayScale::*, const char*> deductions[] = {
        {"iosper_505", &PayScale::iosper, "IOSPER (505)"},
        {"osplad_508", &PayScale::osplad, "OSPLAD (508)"},
        {"aporte_jub_502", &PayScale::jubilacion, "Aporte Jub. (502)"},
        {"ley4035_504", &PayScale::ley4035, "Ley 4035 (504)"},
        {"zutel_332", &PayScale::zutel, "ZUTEL (332)"},
        {"caja_comp_512", &PayScale::cajaComp, "Caja Comp. (512)"},
        {"seguro_510", &PayScale::seguro, "Seguro 3011 (510)"},
    };
    for (const auto& [key, member, line] : deductions) {
        const std::string d = std::string("descuentos.") + key;
        f.push_back(field(d + ".tasa", ScaleKind::rate, kMaxShare, [m = member](PayScale& s) { return &(s.*m).tasa; }));
        about(f, G::deductions, R::none, std::string(line) + ": parte que se descuenta", kShare);
        f.push_back(field(d + ".cantidad", ScaleKind::text, 0, [m = member](PayScale& s) { return &(s.*m).cantidad; }));
        about(f, G::deductions, R::none, std::string(line) + ": cantidad que muestra el recibo", "");
    }

    f.push_back(list("cargos", ScaleKind::positions, 1, kMaxPositions, 0, false, {},
                     [](PayScale& s) { return &s.cargos; }));
    about(f, G::positions, R::none, "Cargos", "");
    return f;
}

constexpr PositionField kPositionFields[] = {
    {"codigocargo", &PositionRecord::codigocargo, "Código"},
    {"cargox", &PositionRecord::cargox, "Nombre"},
    {"puntosbasicos", &PositionRecord::puntosbasicos, "Puntos básicos"},
    {"proljornada", &PositionRecord::proljornada, "Puntos de prolongación de jornada"},
    {"jorcompleta", &PositionRecord::jorcompleta, "Puntos de jornada completa"},
    {"tareadif", &PositionRecord::tareadif, "Puntos de tarea diferenciada"},
    {"compbasico", &PositionRecord::compbasico, "Puntos de complemento del básico"},
};

} // namespace

std::string_view scaleGroupCaption(ScaleGroup group)
{
    switch (group) {
    case ScaleGroup::identity: return "Identidad";
    case ScaleGroup::points: return "Puntos (cargos y horas)";
    case ScaleGroup::hoursMedio: return "Horas de nivel medio";
    case ScaleGroup::hoursSuperior: return "Horas de nivel superior";
    case ScaleGroup::seniorityZone: return "Antigüedad y zona";
    case ScaleGroup::line006: return "Línea 006 en cargos";
    case ScaleGroup::lines014to440: return "Líneas 014, 084, 113, 188 y 440";
    case ScaleGroup::minimum: return "Mínimo garantizado";
    case ScaleGroup::transport: return "Transporte";
    case ScaleGroup::family: return "Asignaciones familiares";
    case ScaleGroup::deductions: return "Descuentos";
    case ScaleGroup::positions: return "Cargos";
    }
    return {};
}

std::string_view raiseGroupCaption(RaiseGroup group)
{
    switch (group) {
    case RaiseGroup::none: return {};
    case RaiseGroup::pointValues: return "Valores del punto";
    case RaiseGroup::hourAmounts: return "Importes por hora";
    case RaiseGroup::fixedAmounts: return "Importes fijos, topes y transporte";
    case RaiseGroup::familyAllowances: return "Asignaciones familiares";
    case RaiseGroup::minimum: return "Mínimo garantizado";
    }
    return {};
}

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

#pragma once
// The scale file format in one table: every key's path, what it holds,
// its limits, the value of PayScale it stands for and what a person reads of
// it (caption, unit, group). Reading, the check for keys the format does not
// have, writing and the scale window all walk that table. Plain C++, no
// toolkit: a front end without Qt reads the same files.
#include "engine/pay_scale.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace haberes {

inline constexpr int kScaleFormat = 1;

enum class ScaleKind {
    version,     // whole number that must be kScaleFormat; nothing kept
    text,        // non-empty JSON text
    pointNumber, // text of digits with at most one point ("0.7")
    month,       // "AAAA-MM"
    whole,       // whole number from lo to hi
    rate,        // number from 0 to hi
    amount,      // pesos from 0 to hi, four decimals at most
    wholeList,   // count whole numbers from lo to hi (rising: each above the one before)
    rateList,    // count numbers from 0 to hi
    amountList,  // count amounts (rising: each above the one before)
    amountTable, // one row per seniority option of count amounts
    positions,   // the table of positions, each with positionFields()
};

// The groups a scale is shown in, in this order.
enum class ScaleGroup {
    identity,      // nombre, titulo_recibo, vigencia
    points,        // valor_punto, valor_punto_jornada
    hoursMedio,    // horas_medio.*
    hoursSuperior, // horas_superior.*
    seniorityZone, // antiguedad, zona
    line006,       // adicional_006_cargo.* (the two tables as tables)
    lines014to440, // product_014, nacion_cargo, plus_188, reajuste_440
    minimum,       // minimo_172.*
    transport,     // transporte_029.*
    family,        // hijo_1001, hijo_diferenciado_1002, familia_numerosa_1003, conyuge_1010
    deductions,    // descuentos.*
    positions,     // cargos (a table of its own)
};

// What a raise by a percentage may move. Points, percentages, shares, hour
// limits and texts belong to none and are never raised.
enum class RaiseGroup {
    none,
    pointValues,      // valor_punto, valor_punto_jornada
    hourAmounts,      // the per-hour amounts of 006, 084 and 113
    fixedAmounts,     // caps and fixed amounts, the 006 tables, line 029's
    familyAllowances, // 1001 to 1010, the earnings tops of 1001's brackets too
    minimum,          // minimo_172.minimo
};

// Their Spanish titles: "Horas de nivel medio", "Importes por hora".
std::string_view scaleGroupCaption(ScaleGroup group);
std::string_view raiseGroupCaption(RaiseGroup group);

// Where a value lives in PayScale, typed by its kind.
using ScaleValue = std::variant<std::monostate, std::string*, std::pair<int*, int*>, int*, double*, Currency*,
                                std::span<int>, std::span<std::uint8_t>, std::span<double>, std::span<Currency>,
                                std::span<std::array<Currency, kBandsA>>, std::span<std::array<Currency, kBandsB>>,
                                PositionTable*>;

struct ScaleField {
    std::string path;   // "horas_medio.adicional_006.tope"
    ScaleKind kind;
    double lo = 0;      // the least value (whole numbers)
    double hi = 0;      // the largest value
    std::size_t count = 0; // items of a list, amounts of a table row
    bool rising = false;
    std::string items;      // what a list holds, as a refusal names it
    std::function<ScaleValue(PayScale&)> at;

    // What a person reads of it, in Spanish.
    ScaleGroup group = ScaleGroup::identity;
    RaiseGroup raise = RaiseGroup::none;
    std::string caption; // "Valor del punto"
    std::string unit;    // "pesos por punto"; "" for a text
    // The items of a list, or the rows of a table: "Menos de 1 año", ….
    std::vector<std::string> itemCaptions;
    // The list of tops whose values name the items of a list or the columns
    // of a table ("hasta 971 puntos"), when they have no fixed names.
    std::string namedByTops;
};

// The keys of the file, in the order they are written.
const std::vector<ScaleField>& scaleFields();

// The keys one level inside an object ("" for the top, "horas_medio"), in
// table order; and the key at a path, none for an object.
std::vector<std::string> scaleKeysUnder(const std::string& object);
const ScaleField* scaleField(std::string_view path);

// The seven texts of each position ("cargos[].codigocargo" and so on).
struct PositionField {
    std::string_view key;
    std::string PositionRecord::*member;
    std::string_view caption; // "Puntos básicos"
};
std::span<const PositionField> positionFields();

struct ScaleText {
    std::optional<PayScale> scale;
    // Without a scale: why, in Spanish, naming the file, the key (its JSON
    // path) and what it must hold.
    std::string error;
};

// Reads a scale from the text of a file; fileName only names it in the
// message. Never throws.
ScaleText readScaleText(std::string_view json, std::string_view fileName);

// The scale in the file format: fixed key order, one position a line,
// numbers written so that they read back to the same value.
std::string writeScale(const PayScale& scale);

} // namespace haberes

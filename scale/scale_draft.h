#pragma once
// A new scale in the making, started from another: every value of the file
// as a person reads and types it, each checked by the file reader itself
// (so a refusal is the message a file with that value would get), a raise by
// a percentage of chosen groups, and the list of what changed. Plain C++, no
// toolkit: the windows and the web page share it.
#include "scale/scale_format.h"

#include <cstddef>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace haberes {

// The groups the scale window shows, in this order.
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

// What "Aumentar…" may raise. Points, percentages, shares, hour limits and
// texts belong to none and are never raised.
enum class RaiseGroup {
    none,
    pointValues,      // valor_punto, valor_punto_jornada
    hourAmounts,      // the per-hour amounts of 006, 084 and 113
    fixedAmounts,     // caps and fixed amounts, the 006 tables, line 029's
    familyAllowances, // 1001 to 1010
    minimum,          // minimo_172.minimo
};

// One value a person reads and types: a leaf of the file.
struct ScaleItem {
    // Its JSON path, as the reader names it: "valor_punto", "antiguedad[3]",
    // "adicional_006_cargo.tabla_a.montos[2][4]".
    std::string path;
    ScaleGroup group;
    ScaleKind kind;      // the kind of its key (a list's item takes the list's)
    std::string caption; // Spanish: "Valor del punto", "Más de 24 años"
    std::string unit;    // Spanish: "pesos por punto", "%", "" for none
    RaiseGroup raise;
};

class ScaleDraft {
public:
    // Every value starts as the start scale's; the start is kept for changes().
    explicit ScaleDraft(const PayScale& start);

    // Every value but the positions', in file order.
    const std::vector<ScaleItem>& items() const;
    const ScaleItem* item(std::string_view path) const;

    // A value as written in the file, numbers with a decimal point: "0.8947",
    // "2010-07", "Desde Julio de 2.010". The same for the start scale and for
    // the built-in July 2010 scale (shown beside each value).
    std::string text(std::string_view path) const;
    std::string startText(std::string_view path) const;
    static std::string referenceText(std::string_view path);

    // Sets a value from a text written as text() gives it. Returns "" when
    // the value is good, else the reader's message for it (naming the key);
    // the text is kept either way, so that typing may go on, and result()
    // refuses while any value is refused.
    std::string set(std::string_view path, std::string_view text);
    // The message of a value set and refused, "" for a good one.
    std::string error(std::string_view path) const;

    // The positions: rows of the seven texts of positionFields().
    std::size_t positionCount() const;
    std::string positionText(std::size_t row, std::string_view key) const;
    std::string setPosition(std::size_t row, std::string_view key, std::string_view text);

    // Raises by percent (10 for 10 %) every value of the ticked groups, from
    // its present value: amounts and rates to four decimals, whole pesos to
    // whole pesos, halves away from zero. Returns "" or the reader's message
    // when a raised value would leave its limits (nothing is changed then).
    std::string raise(double percent, const std::set<RaiseGroup>& groups);

    // Every value (positions included) whose text differs from the start's.
    struct Change {
        std::string path;
        std::string caption;
        std::string before, after;
    };
    std::vector<Change> changes() const;

    // The scale the values make, read back by the file reader, or why not;
    // and its file text (writeScale) when there is one.
    ScaleText result() const;
    std::string fileText() const;

private:
    struct Impl;
    std::shared_ptr<Impl> impl_;
};

} // namespace haberes

#pragma once
// A new scale in the making, started from another: every value of the file
// as a person reads and types it, each checked by the file reader itself
// (so a refusal is the message a file with that value would get), a raise by
// a percentage of chosen groups, and the list of what changed. Plain C++, no
// toolkit: the windows and the web page share it.
#include "engine/numbers.h"
#include "scale/scale_format.h"

#include <cstddef>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace haberes {

// ScaleGroup and RaiseGroup, with their titles, are in scale_format.h: the
// format's table gives each key its group.

// One value a person reads and types: a leaf of the file.
struct ScaleItem {
    // Its JSON path, as the reader names it: "valor_punto", "antiguedad[3]",
    // "adicional_006_cargo.tabla_a.montos[2][4]".
    std::string path;
    ScaleGroup group = ScaleGroup::identity;
    ScaleKind kind = ScaleKind::text; // the kind of its key (a list's item takes the list's)
    std::string caption; // Spanish: "Valor del punto", "Más de 24 años"
    std::string unit;    // Spanish: "pesos por punto", "%", "" for none
    RaiseGroup raise = RaiseGroup::none;
    // An item of a list or a cell of a table: the list's path and caption
    // ("antiguedad", "Porcentaje por antigüedad"), its row and, in a table,
    // its column with the column's caption ("hasta 971 puntos"). For a key
    // of its own: key is the path, row and column are npos.
    std::string key;
    std::string keyCaption;
    std::size_t row = std::string::npos;
    std::size_t column = std::string::npos;
    std::string rowCaption;    // "Menos de 1 año"
    std::string columnCaption; // "hasta 971 puntos"
};

class ScaleDraft {
public:
    // Every value starts as the start scale's; the start is kept for changes().
    // Amounts inside captions ("Haberes hasta $ 2400,5") use captionFormat's
    // decimal separator; values and texts are always written with a point.
    explicit ScaleDraft(const PayScale& start, NumberFormat captionFormat = {});
    // A copy goes its own way: setting a value in one leaves the other.
    ScaleDraft(const ScaleDraft& other);
    ScaleDraft& operator=(const ScaleDraft& other);
    ScaleDraft(ScaleDraft&&) noexcept = default;
    ScaleDraft& operator=(ScaleDraft&&) noexcept = default;

    // Every value but the positions' and the format's version, in file
    // order. The captions of the items named by tops (the columns of the 006
    // tables, the brackets of 1001) follow the tops as they are set.
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

    // The caption a change or a refusal is listed under: the item's own for
    // a key, the list's with the item's for a list ("Porcentaje por
    // antigüedad, Más de 24 años"), and the level for the hours.
    std::string fullCaption(std::string_view path) const;

    // The positions: rows of the seven texts of positionFields(); their
    // paths are "cargos[12].codigocargo".
    std::size_t positionCount() const;
    std::string positionText(std::size_t row, std::string_view key) const;
    std::string setPosition(std::size_t row, std::string_view key, std::string_view text);

    // Raises by percent (10 for 10 %) every value of the ticked groups, from
    // its present value: amounts and rates to four decimals, whole pesos to
    // whole pesos, as every amount is rounded (Currency::fromDouble). Returns
    // "" or, with nothing changed, the reader's message when a raised value
    // would leave its limits, or the message of a value of those groups
    // still refused.
    std::string raise(double percent, const std::set<RaiseGroup>& groups);

    // Every value (positions included) whose text differs from the start's.
    struct Change {
        std::string path;
        std::string caption;
        std::string before, after;
    };
    std::vector<Change> changes() const;

    // The scale the values make, read back by the file reader, or why not
    // (the first refused value's message, in file order); and its file text
    // (writeScale) when there is one, else "". Messages name the scale by
    // the last good "nombre" (the start's until one is set).
    ScaleText result() const;
    std::string fileText() const;

private:
    struct Impl;
    std::shared_ptr<Impl> impl_;
};

} // namespace haberes

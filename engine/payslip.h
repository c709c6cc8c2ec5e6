#pragma once
// The payslip of one calculation: header, up to 27 lines in the order they
// were appended, and the three totals.
#include "engine/currency.h"
#include "engine/explanation.h"
#include "engine/fixed_texts.h"
#include "engine/payslip_lines.h"

#include <vector>
#include <optional>
#include <string>
#include <string_view>

namespace haberes {

enum class Column { earnings, deductions };

struct PayslipLine {
    int row = 0;
    std::string_view code;    // "001", "1001"
    std::string_view concepto; // "Asign. de la categoría"
    // Shown in the quantity cell; an empty text leaves the cell blank, no
    // text at all (line 1010) leaves it hidden.
    QuantityText quantity;
    Currency amount;
    Column column = Column::earnings;
    AmountText text; // "$2814,7262" on line 001, "$ 90,3647" elsewhere
};

struct PayslipHeader {
    std::string_view caption; // "Código del cargo" or "Cantidad de horas"
    InlineText<22> numcargo;   // position code, or the hours as typed
    InlineText<22> punbasicos; // basic points, or the hours priced in points
    InlineText<70> carsel;     // position name, or the kind of hours
    bool positionPointsShown = false;
    InlineText<22> compbas, tardif, jorcom, proljor; // dialog boxes as typed
};

// How every amount was formed: one explanation per line, by row, and one
// per total.
struct PayslipExplanations {
    std::vector<Explanation> lines;
    Explanation totalhab, totaldesc, totalliq;
};

struct Payslip {
    static constexpr int kRows = 27;

    std::string docente;
    InlineText<46> escala; // name of the scale it was priced with
    InlineText<46> titulo; // that scale's title over the payslip
    std::string date; // supplied by whoever shows the payslip
    PayslipHeader header;
    // In the order appended: line k has row k.
    InlineLines<PayslipLine, kRows> lines;
    // Rows used; the next line takes this row.
    int fila() const { return static_cast<int>(lines.size()); }

    // Not defaulted: emplace() would value-initialise, clearing the room of
    // every line first.
    Payslip() {}

    Currency totalhab, totaldesc, totalliq;
    AmountText thaberes, tdescuentos, liquido;
    std::string decimalSeparator = ".";

    // The one way a line enters the payslip: it takes row fila(), gets its
    // amount text, and fila() moves on. No test of its own: every condition of
    // appearance belongs to the group that owns the concepto. Without a
    // quantity (std::nullopt) the quantity cell stays hidden.
    void append(std::string_view code, std::string_view concepto, std::string_view quantity, Currency amount,
                Column column)
    {
        appendLine(code, concepto, &quantity, amount, column);
    }
    void append(std::string_view code, std::string_view concepto, std::nullopt_t, Currency amount, Column column)
    {
        appendLine(code, concepto, nullptr, amount, column);
    }

    // Present only when the calculation was asked to explain.
    std::optional<PayslipExplanations> explanations;
    bool explaining() const { return explanations.has_value(); }
    // Explains the line appended last.
    void explainLast(Explanation explanation);
    // The explanation of a line as text, empty when there is none.
    std::string explanationOf(int row) const;

    // "$" then the amount; "$" and a blank except on code "001".
    void writeAmountText(AmountText& out, Currency amount, bool directlyAfterSign = false) const;

private:
    // The quantity by pointer: an optional view passed by value went through
    // memory on every line.
    void appendLine(std::string_view code, std::string_view concepto, const std::string_view* quantity,
                    Currency amount, Column column);
};

} // namespace haberes

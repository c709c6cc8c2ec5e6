#pragma once
// Texts in the fixed boxes of the payslip window. A box never grows into
// its neighbours: a text too wide for it is set narrower, then smaller,
// down to a floor, and only then shortened with "…", the whole text going
// to the tooltip. Amounts are never shortened. Positions are in pixels of the
// label's parent. Here: fitting a text to its box, the fonts of the
// table's columns, and a text on two lines.
#include <QFont>
#include <QString>

#include <string_view>
#include <vector>

class QLabel;
class QLineEdit;

namespace haberes {

// How far a font may be narrowed (percent of its width) and then shrunk
// (share of its design size).
inline constexpr int kNarrowestStretch = 80;
inline constexpr double kSmallestFontShare = 0.75;

// The engine's UTF-8 text as Qt text.
inline QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Width of text in font, in pixels.
int textWidth(const QFont& font, const QString& text);

// A text to be fitted: its design font and the pixels it may take.
struct FitRequest {
    QFont font;
    QString text;
    int room;
};

// How a design font is narrowed and shrunk; pixelSize 0 keeps its size.
struct FontFit {
    int pixelSize = 0;
    int stretch = 100;
};
QFont applyFit(QFont font, FontFit fit);

// The widest, then largest, fit at which every text fits its room (the
// narrowest and smallest when none does); no change for no texts. Texts
// that share a fit keep a column even.
FontFit commonFit(const std::vector<FitRequest>& requests);

// A label keeping its box.
void setFittedText(QLabel* label, const QString& text, const QFont& base);
// A text box keeping its box; the start of the text stays in view.
void setFittedText(QLineEdit* edit, const QString& text, const QFont& base);

// A right-aligned text in font with its right edge at right, sized to the
// text but at least minWidth wide. With elideRoom above 0, a text wider
// than that is shortened to it.
void setRightAligned(QLabel* label, const QString& text, const QFont& font, int right, int minWidth,
                     int elideRoom = 0);

// ---- The right-aligned columns of the table and the one font each gets
// for a payslip: the widest and largest, up to the design font, in which
// all its texts fit, so that a column's texts match whatever the system
// font.
struct Payslip;

// A column's right edge and how far left its texts may reach (just right of
// the rule on its left), in pixels of the panel.
struct CellColumn {
    int right;
    int leftLimit;
    int room() const { return right - leftLimit - 1; }
};

CellColumn codeColumn();
CellColumn quantityColumn();
CellColumn earningsColumn();
CellColumn deductionsColumn();

struct ColumnFonts {
    QFont code;
    QFont quantity;
    QFont amount; // both amount columns
    QFont total;  // the three totals, bold
};

ColumnFonts columnFonts(const Payslip& payslip, const QFont& regular, const QFont& bold);

// ---- A label that shows a long text whole on up to two lines, for names
// that do not fit one line of their box (position 683's, for one).

// One line as setFittedText sets it when the text fits there; otherwise
// two lines in the widest, then largest, font at which they fit the
// label's width and maxHeight pixels, the label grown to that height.
// Shortened with "…" (the whole text in the tooltip) only when not even
// the smallest font takes it on two lines.
void setTwoLineText(QLabel* label, const QString& text, const QFont& base, int oneLineHeight, int maxHeight);

} // namespace haberes

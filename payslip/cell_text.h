#pragma once
// Texts in the fixed boxes of the payslip window. A box never grows into
// its neighbours: a text too wide for it is set narrower, then smaller,
// down to a floor, and only then shortened with "…", the whole text going
// to the tooltip. Amounts are never shortened. Positions are in pixels of the
// label's parent.
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

} // namespace haberes

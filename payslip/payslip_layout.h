#pragma once
// Where everything of the payslip window stands. The design is in twips
// (1/1440 inch) and converted at 15 twips per device-independent pixel, so
// the window keeps its proportions at any screen scaling.
#include <QRect>

namespace haberes::layout {

inline constexpr int kTwipsPerPixel = 15;

// Nearest pixel; 15 is odd, so there are no halves to break.
constexpr int px(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

struct TwipRect {
    int left, top, width, height;
    QRect toPixels() const
    {
        // Edges are rounded, not sizes, so neighbours never overlap or gap.
        return QRect(QPoint(px(left), px(top)), QPoint(px(left + width) - 1, px(top + height) - 1));
    }
};

// ---- The window.
inline constexpr int kClientWidth = 11880;
inline constexpr int kClientHeight = 8490;

// ---- Controls outside the panel.
inline constexpr TwipRect kLabel3{7680, 0, 3495, 375};
inline constexpr TwipRect kCarsel{7680, 480, 3480, 300};
inline constexpr TwipRect kLabel11{7665, 840, 1890, 300};
inline constexpr TwipRect kNumcargo{7920, 1200, 1275, 360};
inline constexpr TwipRect kLabel12{7680, 1680, 1905, 330};
inline constexpr TwipRect kPunbasicos{7920, 2040, 1275, 360};
inline constexpr TwipRect kLabel2{7680, 2520, 1905, 330};
inline constexpr TwipRect kCompbas{7920, 2880, 1275, 360};
inline constexpr TwipRect kLabel14{7665, 3465, 1905, 330};
inline constexpr TwipRect kProljor{7980, 3885, 1275, 360};
inline constexpr TwipRect kLabel20{7665, 4515, 1905, 330};
inline constexpr TwipRect kJorcom{7980, 4935, 1275, 360};
inline constexpr TwipRect kLabel21{7665, 5565, 1905, 330};
inline constexpr TwipRect kTardif{7980, 5985, 1275, 360};
inline constexpr TwipRect kText12{9720, 1560, 1695, 285};
inline constexpr TwipRect kText11{9720, 1920, 1695, 2895};
inline constexpr TwipRect kVolver{9840, 4920, 1335, 495};
inline constexpr TwipRect kImprimir{9840, 5640, 1335, 495};
inline constexpr TwipRect kSalir{9840, 6360, 1335, 495};
inline constexpr TwipRect kText1{8880, 7200, 2415, 285};
inline constexpr TwipRect kText10{8880, 7680, 2415, 375};
// "Guardar PDF…": under the position points, left of the buttons, above
// the notices; free in both kinds of payslip.
inline constexpr TwipRect kGuardarPdf{7980, 6480, 1635, 495};
inline constexpr TwipRect kMovedor{11520, 0, 345, 8565};
inline constexpr TwipRect kSosten{840, 0, 6840, 12000};

// The "ZUTEL" column shown only on paper: Text2 .. Text9, in that order.
inline constexpr int kZutelLeft = 120;
inline constexpr int kZutelWidth = 615;
inline constexpr int kZutelHeight = 255;
inline constexpr int kZutelTop[8] = {840, 360, 1800, 1320, 3240, 2280, 3720, 2760};
// Their greys, light to dark twice down the column.
inline constexpr int kZutelGrey[8] = {192, 224, 64, 128, 128, 224, 64, 192};

// ---- Scrolling. The panel's top is kPanelTopAtZero - value; at the largest
// value its lower edge meets the bottom of the client area.
inline constexpr int kPanelTopAtZero = 100;
inline constexpr int kScrollMax = kPanelTopAtZero + kSosten.height - kClientHeight; // 3610
inline constexpr int kScrollSingleStep = 315; // one row
inline constexpr int kScrollPageStep = kClientHeight;
// The scroll bar is this much shorter than the window's outer height.
inline constexpr int kScrollBarShortfall = 400;

// ---- Inside the panel (relative to it).
inline constexpr TwipRect kLabel18{360, 240, 2295, 375};
inline constexpr TwipRect kDocente{3030, 210, 3135, 375};

inline constexpr int kRows = 27;
inline constexpr int kRowTop = 735;
inline constexpr int kRowPitch = 315;
inline constexpr int kRowHeight = 300;
constexpr int rowTop(int row) { return kRowTop + kRowPitch * row; }
constexpr int ruleUnderRow(int row) { return 1050 + kRowPitch * row; }

inline constexpr int kCodLeft = 510, kCodWidth = 495;
inline constexpr int kQuantityLeft = 1140, kQuantityWidth = 495;
inline constexpr int kConceptLeft = 1770, kConceptWidth = 2355;
inline constexpr int kEarningsRight = 5250;
inline constexpr int kDeductionsRight = 6450;

// The grid: rules across from kGridLeft to kGridRight, and the column rules
// from kRowTop down.
inline constexpr int kGridLeft = 300, kGridRight = 6570;
inline constexpr int kLine3_1X = 300;  // left border
inline constexpr int kLine7X = 1035;   // code | quantity
inline constexpr int kLine5X = 1665;   // quantity | concept
inline constexpr int kLine2X = 4185;   // concept | earnings
inline constexpr int kLine1X = 5340;   // earnings | deductions
inline constexpr int kLine3_0X = 6570; // right border

// The totals: captions in the concept column, values right-aligned.
inline constexpr int kTotalsCaptionLeft = kConceptLeft;
inline constexpr int kTotalsCaptionWidth = kConceptWidth;
inline constexpr int kTotalsHeight = 300;
inline constexpr int kThaberesRight = 5355;
inline constexpr int kTdescuentosRight = 6475;

// The notice of a negative net pay, in the panel right under "Liquido a
// pagar", across the table: two lines.
inline constexpr int kNetWarningGap = 60;
inline constexpr int kNetWarningHeight = 600;
inline constexpr TwipRect kNetWarning{kGridLeft, 0, kGridRight - kGridLeft, kNetWarningHeight};

// The totals block for a payslip of n rows: every vertical coordinate that
// follows the row count.
struct TotalsBlock {
    int columnRulesBottom; // Line1, Line2, Line3(0), Line3(1), Line5, Line7
    int line6;
    int haberesTop;        // thaberes, Label15
    int line15;
    int descuentosTop;     // tdescuentos, Label16
    int line16;
    int liquidoTop;        // liquido, Label17
    int line17;
    int netWarningTop;     // avisoLiquido, under the net pay
};

constexpr TotalsBlock totalsBlock(int rows)
{
    const int base = kRowPitch * rows;
    return {base + 2350, base + 1050, base + 1250, base + 1550, base + 1650, base + 1950, base + 2050, base + 2350,
            base + 2350 + kNetWarningGap};
}

// ---- On paper the whole panel shows, from its place at scroll value 0 to
// a little below the totals or to the bottom of the window, whichever is
// lower (below the notice of a negative net pay when it shows); the page is
// the window, taller when the panel needs it.
inline constexpr int kPaperBottomMargin = 60;
inline constexpr int kPaperBelowTotals = 240;
constexpr int paperPanelHeight(int rows, bool netWarning = false)
{
    const TotalsBlock block = totalsBlock(rows);
    const int toWindowBottom = kClientHeight - kPanelTopAtZero - kPaperBottomMargin;
    const int toTotals =
        (netWarning ? block.netWarningTop + kNetWarningHeight : block.line17) + kPaperBelowTotals;
    return toWindowBottom > toTotals ? toWindowBottom : toTotals;
}
constexpr int paperHeight(int rows, bool netWarning = false)
{
    const int panelBottom = kPanelTopAtZero + paperPanelHeight(rows, netWarning) + kPaperBottomMargin;
    return kClientHeight > panelBottom ? kClientHeight : panelBottom;
}
// The comment box may grow on paper down to this, above the date.
inline constexpr int kPaperCommentBottom = kText10.top - 120;

} // namespace haberes::layout

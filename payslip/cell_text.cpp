#include "payslip/cell_text.h"

#include "engine/payslip.h"
#include "payslip/payslip_layout.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <vector>

namespace haberes {

namespace {

int designPixelSize(const QFont& font)
{
    return QFontInfo(font).pixelSize();
}

int floorPixelSize(int designSize)
{
    return std::max(1, static_cast<int>(std::lround(designSize * kSmallestFontShare)));
}

// The label's text, shortened to room when it does not fit, the whole text
// then going to the tooltip.
void setShortened(QLabel* label, const QString& text, const QFont& font, int room)
{
    if (textWidth(font, text) <= room) {
        label->setText(text);
        label->setToolTip(QString());
        label->setAccessibleName(QString());
    } else {
        label->setText(QFontMetrics(font).elidedText(text, Qt::ElideRight, room));
        label->setToolTip(text);
        // Screen readers read the whole text, not the "…".
        label->setAccessibleName(text);
    }
}

} // namespace

int textWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

QFont applyFit(QFont font, FontFit fit)
{
    if (fit.pixelSize > 0)
        font.setPixelSize(fit.pixelSize);
    font.setStretch(fit.stretch);
    return font;
}

FontFit commonFit(const std::vector<FitRequest>& requests)
{
    if (requests.empty())
        return {};
    int designSize = 0;
    for (const FitRequest& r : requests)
        designSize = std::max(designSize, designPixelSize(r.font));

    std::vector<FontFit> steps;
    for (int stretch = 100; stretch >= kNarrowestStretch; stretch -= 5)
        steps.push_back({designSize, stretch});
    for (int size = designSize - 1; size >= floorPixelSize(designSize); --size)
        steps.push_back({size, kNarrowestStretch});

    for (const FontFit& fit : steps) {
        const bool fits = std::all_of(requests.begin(), requests.end(), [fit](const FitRequest& r) {
            return textWidth(applyFit(r.font, fit), r.text) <= r.room;
        });
        if (fits)
            return fit;
    }
    return steps.back();
}

void setFittedText(QLabel* label, const QString& text, const QFont& base)
{
    const int room = label->contentsRect().width();
    const QFont font = applyFit(base, commonFit({{base, text, room}}));
    label->setFont(font);
    setShortened(label, text, font, room);
}

void setFittedText(QLineEdit* edit, const QString& text, const QFont& base)
{
    // The frame on both sides, and the edit's own 2-pixel margins and cursor.
    const int frame = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) : 0;
    const int room = edit->width() - 2 * frame - 2 * 2 - 1;
    edit->setFont(applyFit(base, commonFit({{base, text, room}})));
    edit->setText(text);
    edit->setCursorPosition(0);
}

void setRightAligned(QLabel* label, const QString& text, const QFont& font, int right, int minWidth, int elideRoom)
{
    const QMargins margins = label->contentsMargins();
    label->setFont(font);
    // One spare pixel: advance widths are rounded.
    int textRoom = textWidth(font, text) + 1;
    if (elideRoom > 0 && textRoom > elideRoom) {
        textRoom = elideRoom;
        setShortened(label, text, font, elideRoom);
    } else {
        label->setText(text);
        label->setToolTip(QString());
    }
    const int width = std::max(minWidth, textRoom + margins.left() + margins.right());
    label->setGeometry(right - width, label->y(), width, label->height());
}

using namespace layout;

// ---- The columns' fonts.
namespace {

CellColumn column(int right, int ruleOnLeft)
{
    return {px(right), px(ruleOnLeft) + 2};
}

} // namespace

CellColumn codeColumn() { return column(kCodLeft + kCodWidth, kLine3_1X); }
CellColumn quantityColumn() { return column(kQuantityLeft + kQuantityWidth, kLine7X); }
CellColumn earningsColumn() { return column(kEarningsRight, kLine2X); }
CellColumn deductionsColumn() { return column(kDeductionsRight, kLine1X); }

ColumnFonts columnFonts(const Payslip& payslip, const QFont& regular, const QFont& bold)
{
    std::vector<FitRequest> codes, quantities, amounts;
    const int rows = std::clamp(payslip.fila(), 0, Payslip::kRows);
    for (int r = 0; r < rows; ++r) {
        const PayslipLine& line = payslip.lines[r];
        codes.push_back({regular, qs(line.code), codeColumn().room()});
        if (line.quantity)
            quantities.push_back({regular, qs(*line.quantity), quantityColumn().room()});
        const CellColumn amountColumn = line.column == Column::earnings ? earningsColumn() : deductionsColumn();
        amounts.push_back({regular, qs(line.text), amountColumn.room()});
    }
    // The totals are fitted apart: a large total should not shrink the rows.
    const std::vector<FitRequest> totals = {{bold, qs(payslip.thaberes), earningsColumn().room()},
                                            {bold, qs(payslip.tdescuentos), deductionsColumn().room()},
                                            {bold, qs(payslip.liquido), deductionsColumn().room()}};
    return {applyFit(regular, commonFit(codes)), applyFit(regular, commonFit(quantities)),
            applyFit(regular, commonFit(amounts)), applyFit(bold, commonFit(totals))};
}

// ---- A text on two lines.
namespace {

constexpr int kMaxLines = 2;

// Pixels the text takes wrapped at width, and its lines.
QSize wrapped(const QFont& font, const QString& text, int width)
{
    const QFontMetrics metrics(font);
    const QRect box = metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::AlignLeft | Qt::TextWordWrap, text);
    return QSize(box.width(), box.height());
}

} // namespace

void setTwoLineText(QLabel* label, const QString& text, const QFont& base, int oneLineHeight, int maxHeight)
{
    label->setWordWrap(false);
    label->resize(label->width(), oneLineHeight);
    const int room = label->contentsRect().width();
    const FontFit oneLine = commonFit({{base, text, room}});
    if (textWidth(applyFit(base, oneLine), text) <= room) {
        setFittedText(label, text, base);
        return;
    }

    const int designSize = QFontInfo(base).pixelSize();
    const int smallest = std::max(1, int(std::lround(designSize * kSmallestFontShare)));
    std::vector<FontFit> steps;
    for (int size = designSize; size >= smallest; --size)
        for (int stretch = 100; stretch >= kNarrowestStretch; stretch -= 5)
            steps.push_back({size, stretch});
    const int margins = label->height() - label->contentsRect().height();
    for (const FontFit& fit : steps) {
        const QFont font = applyFit(base, fit);
        const QSize size = wrapped(font, text, room);
        const int lines = size.height() / std::max(1, QFontMetrics(font).lineSpacing());
        if (size.width() <= room && lines <= kMaxLines && size.height() + margins <= maxHeight) {
            label->setFont(font);
            label->setWordWrap(true);
            label->setText(text);
            label->setToolTip(QString());
            label->resize(label->width(), maxHeight);
            return;
        }
    }
    setFittedText(label, text, base);
}

} // namespace haberes

#include "payslip/wrapped_text.h"

#include "payslip/cell_text.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>

#include <algorithm>
#include <cmath>
#include <vector>

namespace haberes {

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

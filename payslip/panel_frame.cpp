#include "payslip/panel_frame.h"

#include <QPainter>

namespace haberes {

namespace {

// Where the title starts, and the room left on each side of it in the line.
constexpr int kTitleLeft = 8;
constexpr int kTitleGap = 2;
const QColor kLineColour(128, 128, 128);

} // namespace

PanelFrame::PanelFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void PanelFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintFrame(painter);
}

void PanelFrame::paintFrame(QPainter& painter) const
{
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const int titleWidth = metrics.horizontalAdvance(title());
    const int top = metrics.height() / 2;
    const int left = 0;
    const int right = width() - 1;
    const int bottom = height() - 1;

    painter.setPen(kLineColour);
    painter.drawLine(left, top, kTitleLeft - kTitleGap, top);
    painter.drawLine(kTitleLeft + titleWidth + kTitleGap, top, right, top);
    painter.drawLine(left, top, left, bottom);
    painter.drawLine(right, top, right, bottom);
    painter.drawLine(left, bottom, right, bottom);

    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(kTitleLeft, 0, titleWidth, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     title());
}

} // namespace haberes

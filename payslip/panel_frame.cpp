#include "payslip/panel_frame.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
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

// ---- What a screen reader finds.
namespace {

class PanelAccessible : public QAccessibleWidget {
public:
    explicit PanelAccessible(PanelFrame* panel) : QAccessibleWidget(panel, QAccessible::Grouping) {}

    int childCount() const override { return static_cast<int>(spoken().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> widgets = spoken();
        return index >= 0 && index < widgets.size() ? QAccessible::queryAccessibleInterface(widgets[index])
                                                    : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(spoken().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (QWidget* w : spoken()) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
            if (iface && iface->rect().contains(x, y))
                return iface;
        }
        return nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return panel()->title();
        return QAccessibleWidget::text(t);
    }

private:
    PanelFrame* panel() const { return static_cast<PanelFrame*>(widget()); }

    // Shown, and with something to say.
    QList<QWidget*> spoken() const
    {
        QList<QWidget*> widgets;
        for (QWidget* w : panel()->readingOrder()) {
            if (!w || !w->isVisibleTo(panel()))
                continue;
            if (const auto* label = qobject_cast<QLabel*>(w); label && label->text().trimmed().isEmpty())
                continue;
            widgets << w;
        }
        return widgets;
    }
};

QAccessibleInterface* panelFactory(const QString&, QObject* object)
{
    // Only a whole panel: while QGroupBox builds, the object is not one yet.
    if (auto* panel = dynamic_cast<PanelFrame*>(object))
        return new PanelAccessible(panel);
    return nullptr;
}

} // namespace

void installPanelAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(panelFactory);
        return true;
    }();
    (void)installed;
}

void refreshPanelAccessibility(PanelFrame* panel)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(panel);
    if (iface && !dynamic_cast<PanelAccessible*>(iface)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
        QAccessible::queryAccessibleInterface(panel);
    }
}

} // namespace haberes

#include "payslip/controls.h"

#include "payslip/payslip_layout.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace haberes {

QLabel* makeLabel(QWidget* parent, const QString& name, const layout::TwipRect& place, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    // Names and quantities are shown as typed: never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(place.toPixels());
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLineEdit* makeBox(QWidget* parent, const QString& name, const layout::TwipRect& place, const QString& text)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setGeometry(place.toPixels());
    box->setReadOnly(true);
    box->setCursorPosition(0);
    return box;
}

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

// ---- Rules.
using layout::px;

QFrame* makeRule(QWidget* parent, const QString& name)
{
    auto* rule = new QFrame(parent);
    rule->setObjectName(name);
    rule->setFrameShape(QFrame::NoFrame);
    QPalette palette = rule->palette();
    palette.setColor(QPalette::Window, Qt::black);
    rule->setPalette(palette);
    rule->setAutoFillBackground(true);
    return rule;
}

void placeHorizontal(QFrame* rule, int x1, int x2, int y)
{
    rule->setGeometry(px(x1), px(y), px(x2) - px(x1) + 1, 1);
}

void placeVertical(QFrame* rule, int x, int y1, int y2)
{
    rule->setGeometry(px(x), px(y1), 1, px(y2) - px(y1) + 1);
}

} // namespace haberes

#include "payslip/controls.h"

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

} // namespace haberes

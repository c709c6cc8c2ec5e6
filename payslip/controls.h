#pragma once
// Making the controls of the payslip window: named, placed in twips. The
// labels and boxes, their colours, and the drawn rules.
#include "payslip/payslip_layout.h"

#include <QColor>
#include <QString>

class QLabel;
class QLineEdit;
class QFrame;
class QWidget;

namespace haberes {

QLabel* makeLabel(QWidget* parent, const QString& name, const layout::TwipRect& place,
                  const QString& text = QString());
// A one-line text box the user reads but does not type into.
QLineEdit* makeBox(QWidget* parent, const QString& name, const layout::TwipRect& place,
                   const QString& text = QString());
// Paints the widget's whole box in colour (its Window role).
void setBackground(QWidget* widget, const QColor& colour);
void setTextColour(QWidget* widget, const QColor& colour);

// ---- The drawn lines of the payslip: one-pixel black widgets, crisp at
// any scaling, placed by their ends in twips.
QFrame* makeRule(QWidget* parent, const QString& name);
// A rule from x1 to x2 at height y.
void placeHorizontal(QFrame* rule, int x1, int x2, int y);
// A rule at x from y1 down to y2.
void placeVertical(QFrame* rule, int x, int y1, int y2);

} // namespace haberes

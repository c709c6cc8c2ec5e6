#pragma once
// Making the controls of the payslip window: named, placed in twips.
#include "payslip/payslip_layout.h"

#include <QColor>
#include <QString>

class QLabel;
class QLineEdit;
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

} // namespace haberes

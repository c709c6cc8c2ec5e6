#pragma once
// The notice a payslip whose net pay ("Liquido a pagar") is below zero
// carries in plain sight, right of the panel above the date: deductions
// larger than the earnings are most often a mistyped entry.
#include "engine/messages.h"

#include <QString>

class QLabel;
class QWidget;

namespace haberes {

// The texts are the engine's, shared with the web page.
inline const QString kNegativeNetWarning = QString::fromUtf8(kNegativeNetMessage);
inline const QString kNegativeNetDetail = QString::fromUtf8(kNegativeNetDetailMessage);

// Hidden until a payslip needs it.
QLabel* makeNetWarning(QWidget* window);

} // namespace haberes

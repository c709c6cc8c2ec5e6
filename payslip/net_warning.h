#pragma once
// The notice a payslip whose net pay ("Liquido a pagar") is below zero
// carries in plain sight, right under the net pay: deductions larger than
// the earnings are most often a mistyped entry, so it names the line
// without which the net pay would not be negative, when there is one.
#include "engine/messages.h"
#include "engine/net_pay.h"

#include <QString>

class QLabel;
class QWidget;

namespace haberes {

struct Payslip;
struct PayslipLine;

// The texts are the engine's, shared with the web page.
inline const QString kNegativeNetWarning = QString::fromUtf8(kNegativeNetMessage);
inline const QString kNegativeNetDetail = QString::fromUtf8(kNegativeNetDetailMessage);

// Hidden until a payslip needs it; a child of the panel.
QLabel* makeNetWarning(QWidget* panel);

// The notice's text for a negative net pay: the warning, then the line.
QString netWarningText(const Payslip& payslip);

// Shows or hides the notice for payslip; true when shown.
bool showNetWarning(QLabel* warning, const Payslip& payslip);

// Tells screen readers that widget has just appeared as an alert.
void announceAlert(QWidget* widget);

} // namespace haberes

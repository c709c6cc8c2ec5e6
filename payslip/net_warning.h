#pragma once
// The notice a payslip whose net pay ("Liquido a pagar") is below zero
// carries in plain sight, right of the panel above the date: deductions
// larger than the earnings are most often a mistyped entry.
#include <QString>

class QLabel;
class QWidget;

namespace haberes {

inline const QString kNegativeNetWarning = QStringLiteral("¡Atención! Líquido a pagar negativo");
inline const QString kNegativeNetDetail =
    QStringLiteral("El líquido a pagar es negativo: los descuentos superan a los haberes. Revise los datos.");

// Hidden until a payslip needs it.
QLabel* makeNetWarning(QWidget* window);

} // namespace haberes

#include "payslip/net_warning.h"

#include "engine/payslip.h"
#include "payslip/cell_text.h"
#include "payslip/controls.h"

#include <QAccessible>
#include <QLabel>

namespace haberes {

QLabel* makeNetWarning(QWidget* panel)
{
    QLabel* label = makeLabel(panel, QStringLiteral("avisoLiquido"), layout::kNetWarning, kNegativeNetWarning);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setContentsMargins(4, 0, 4, 0);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    // Dark red on white reads on the panel's colours and on paper.
    setBackground(label, Qt::white);
    setTextColour(label, QColor(176, 0, 0));
    label->setFrameShape(QFrame::Box);
    label->setToolTip(kNegativeNetDetail);
    label->setAccessibleDescription(kNegativeNetDetail);
    label->hide();
    return label;
}

const PayslipLine* lineMakingNetNegative(const Payslip& payslip)
{
    if (payslip.totalliq >= Currency())
        return nullptr;
    const PayslipLine* found = nullptr;
    Currency largest;
    for (const PayslipLine& line : payslip.lines) {
        // What the line takes from the net pay; an earnings line adds.
        const Currency taken = line.column == Column::deductions ? line.amount : Currency() - line.amount;
        if (payslip.totalliq + taken >= Currency() && (!found || taken > largest)) {
            found = &line;
            largest = taken;
        }
    }
    return found;
}

QString netWarningText(const Payslip& payslip)
{
    const PayslipLine* line = lineMakingNetNegative(payslip);
    if (!line)
        return kNegativeNetWarning;
    return QStringLiteral("%1\nLo vuelve negativo: %2 %3").arg(kNegativeNetWarning, qs(line->code), qs(line->concepto));
}

bool showNetWarning(QLabel* warning, const Payslip& payslip)
{
    if (payslip.totalliq >= Currency()) {
        warning->hide();
        return false;
    }
    const QString text = netWarningText(payslip);
    warning->setText(text);
    warning->setAccessibleName(text);
    warning->show();
    return true;
}

void announceAlert(QWidget* widget)
{
    QAccessibleEvent alert(widget, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

} // namespace haberes

#include "payslip/net_warning.h"

#include "engine/net_pay.h"
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

QString netWarningText(const Payslip& payslip)
{
    return QString::fromStdString(negativeNetText(payslip));
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

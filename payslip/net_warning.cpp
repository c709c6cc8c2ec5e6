#include "payslip/net_warning.h"

#include "payslip/controls.h"

#include <QLabel>

namespace haberes {

QLabel* makeNetWarning(QWidget* window)
{
    QLabel* label = makeLabel(window, QStringLiteral("avisoLiquido"), layout::kNetWarning, kNegativeNetWarning);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    // Dark red on white reads on the green of the window and on paper.
    setBackground(label, Qt::white);
    setTextColour(label, QColor(176, 0, 0));
    label->setFrameShape(QFrame::Box);
    label->setToolTip(kNegativeNetDetail);
    label->setAccessibleName(kNegativeNetWarning);
    label->setAccessibleDescription(kNegativeNetDetail);
    label->hide();
    return label;
}

} // namespace haberes

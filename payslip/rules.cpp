#include "payslip/rules.h"

#include "payslip/payslip_layout.h"

#include <QFrame>
#include <QPalette>

namespace haberes {

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

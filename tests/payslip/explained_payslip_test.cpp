// What the payslip window says beyond the amounts: the notice of a net pay
// below zero.
#include "payslip_fixture.h"

#include "payslip/net_warning.h"

#include <QLabel>
#include <QPushButton>

namespace haberes::test {
namespace {

class ExplainedPayslip : public PayslipWindowTest {};

Payslip withNet(Payslip p, Currency net)
{
    p.totalliq = net;
    p.liquido = "$ " + formatAmount(net, ",");
    return p;
}

// In plain sight: inside the client area with the panel at the top, and
// clear of every other control on view.
TEST_F(ExplainedPayslip, NegativeNetPayIsSaidInPlainSight)
{
    auto* warning = control<QLabel>("avisoLiquido");
    for (const Payslip& p : {position604(), hoursPayslip()}) {
        window.showPayslip(withNet(p, Currency::fromTicks(-1)));
        ASSERT_TRUE(warning->isVisible());
        EXPECT_EQ(warning->text(), kNegativeNetWarning);
        EXPECT_TRUE(window.rect().contains(warning->geometry()));
        for (QWidget* other : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == warning || !other->isVisible())
                continue;
            EXPECT_FALSE(other->geometry().intersects(warning->geometry())) << other->objectName().toStdString();
        }
    }
}

TEST_F(ExplainedPayslip, NoNoticeFromZeroUp)
{
    auto* warning = control<QLabel>("avisoLiquido");
    window.showPayslip(withNet(position604(), Currency::fromTicks(-1)));
    ASSERT_TRUE(warning->isVisible());
    window.showPayslip(withNet(position604(), Currency()));
    EXPECT_FALSE(warning->isVisible()) << "a net pay of 0 is not negative";
    window.showPayslip(position604());
    EXPECT_FALSE(warning->isVisible());
}

} // namespace
} // namespace haberes::test

// The scroll bar moves the panel; the panel's height and the scroll bar's
// height follow the window.
#include "payslip_fixture.h"

#include "payslip/payslip_layout.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>

namespace haberes::test {
namespace {

using layout::px;

class PayslipScrolling : public PayslipWindowTest {
protected:
    void SetUp() override { window.showPayslip(position604()); }

    QWidget* panel() const { return control("sosten"); }
    QScrollBar* scrollBar() const { return control<QScrollBar>("movedor"); }

    // At least down to the bottom of the window, and no taller than that or
    // its design height.
    void expectPanelHeightBounded()
    {
        const int needed = window.height() - panel()->y();
        EXPECT_GE(panel()->height(), needed);
        EXPECT_LE(panel()->height(), std::max(needed, px(12000)));
    }
};

TEST_F(PayslipScrolling, ValueSetsPanelTop)
{
    for (auto [value, top] : {std::pair{0, 100}, {100, 0}, {3000, -2900}}) {
        scrollBar()->setValue(value);
        EXPECT_EQ(panel()->y(), px(top)) << "value " << value;
    }
}

TEST_F(PayslipScrolling, ArrowMovesOneRowAndEndShowsThePanelsFoot)
{
    QTest::mouseClick(scrollBar(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(scrollBar()->width() / 2, scrollBar()->height() - 3));
    EXPECT_EQ(scrollBar()->value(), 315);
    EXPECT_EQ(panel()->y(), px(100 - 315));

    // A full payslip's last rule is in view at the end of the range, and so
    // is the panel's lower edge.
    Payslip full = fullPosition();
    full.append("900", "Descuento A", std::string(), Currency::pesos(1), Column::deductions);
    full.append("901", "Descuento B", std::string(), Currency::pesos(1), Column::deductions);
    window.showPayslip(full);
    scrollBar()->setFocus();
    QTest::keyClick(scrollBar(), Qt::Key_End);
    EXPECT_EQ(scrollBar()->value(), scrollBar()->maximum());
    EXPECT_LE(panel()->y() + px(12000), window.height());
    EXPECT_LT(panel()->y() + control("Line17")->y(), window.height());
    EXPECT_GT(panel()->y() + control("cod", 26)->y(), 0);
}

TEST_F(PayslipScrolling, PanelHeightStaysBoundedWhileScrolling)
{
    for (int round = 0; round < 3; ++round) {
        for (int value = 0; value <= scrollBar()->maximum(); value += 97) {
            scrollBar()->setValue(value);
            expectPanelHeightBounded();
        }
    }
    scrollBar()->setValue(scrollBar()->maximum());
    window.resize(window.width(), 1000);
    expectPanelHeightBounded();
    window.resize(window.width(), 300);
    expectPanelHeightBounded();
}

TEST_F(PayslipScrolling, ScrollBarFollowsOuterHeightNeverBelowZero)
{
    const QRect design = scrollBar()->geometry();
    window.resize(900, 600);
    EXPECT_EQ(scrollBar()->height(), std::min(window.frameGeometry().height() - px(400), window.height()));
    // It does not follow the right edge.
    EXPECT_EQ(scrollBar()->x(), design.x());
    EXPECT_EQ(scrollBar()->width(), design.width());

    window.resize(200, 10);
    EXPECT_EQ(scrollBar()->height(), 0);
    window.resize(792, 566);
    EXPECT_GT(scrollBar()->height(), 0);
}

// The window gets the wheel when no control under the pointer takes it.
TEST_F(PayslipScrolling, WheelOverTheWindowScrolls)
{
    const QPointF over(panel()->geometry().center());
    QWheelEvent wheel(over, window.mapToGlobal(over), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&window, &wheel);
    EXPECT_GT(scrollBar()->value(), 0);
    EXPECT_EQ(panel()->y(), px(100 - scrollBar()->value()));
}

} // namespace
} // namespace haberes::test

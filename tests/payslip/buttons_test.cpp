// "Volver", "Salir", the close control, and what a new payslip leaves as it
// was. "Imprimir" has tests of its own.
#include "payslip_fixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace haberes::test {
namespace {

class PayslipButtons : public PayslipWindowTest {
protected:
    void SetUp() override { window.showPayslip(position604()); }

    void click(const char* name)
    {
        QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton);
    }
};

TEST_F(PayslipButtons, VolverHidesAndDisablesBeforeItSignals)
{
    bool visibleWhenSignalled = true;
    bool enabledWhenSignalled = true;
    QObject::connect(&window, &PayslipWindow::volverRequested, [&] {
        visibleWhenSignalled = window.isVisible();
        enabledWhenSignalled = window.isEnabled();
    });
    QSignalSpy volver(&window, &PayslipWindow::volverRequested);
    click("Volver");
    EXPECT_EQ(volver.count(), 1);
    EXPECT_FALSE(visibleWhenSignalled);
    EXPECT_FALSE(enabledWhenSignalled);

    window.showPayslip(hoursPayslip());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(PayslipButtons, CommentAndScrollSurviveVolverAndNewPayslip)
{
    QTest::keyClicks(control<QPlainTextEdit>("Text11"), "Reclamar el codigo 078");
    control<QScrollBar>("movedor")->setValue(630);
    click("Volver");
    window.showPayslip(hoursPayslip());
    EXPECT_EQ(control<QPlainTextEdit>("Text11")->toPlainText(), "Reclamar el codigo 078");
    EXPECT_EQ(control<QScrollBar>("movedor")->value(), 630);
}

TEST_F(PayslipButtons, SalirAsksToEnd)
{
    QSignalSpy salir(&window, &PayslipWindow::salirRequested);
    click("Salir");
    EXPECT_EQ(salir.count(), 1);
}

TEST_F(PayslipButtons, CloseControlOnlyHides)
{
    window.close();
    EXPECT_FALSE(window.isVisible());
    window.show();
    EXPECT_TRUE(control("cod", 10)->isVisible());
    EXPECT_EQ(control<QLabel>("cod", 10)->text(), "332");
    EXPECT_FALSE(control("cod", 11)->isVisible());
}

} // namespace
} // namespace haberes::test

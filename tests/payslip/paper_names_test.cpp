// Long position names are shown whole, on two lines, on screen and on
// paper.
#include "print_fixture.h"

#include <QLabel>

namespace haberes::test {
namespace {

const char* const k683 = "Preceptor Ayudante Intern. 2da Cat. Con P. De Jorn. (Pasó A 684)";

class PaperNames : public PrintingTest {};

TEST_F(PaperNames, LongPositionNameIsWholeOnTwoLinesAboveItsCaption)
{
    Payslip payslip = fullPosition();
    payslip.header.carsel = k683;
    window.showPayslip(payslip);
    auto* carsel = control<QLabel>("carsel");
    EXPECT_EQ(carsel->text(), k683);
    EXPECT_TRUE(carsel->toolTip().isEmpty());
    EXPECT_TRUE(carsel->wordWrap());
    EXPECT_LE(carsel->geometry().bottom(), control("Label11")->geometry().top());

    const QString text = printToPdf("683.pdf", TextOrder::reading).simplified();
    EXPECT_TRUE(text.contains(k683)) << text.toStdString();
}

TEST_F(PaperNames, ShortNameAfterALongOneIsOneLineAgain)
{
    Payslip payslip = fullPosition();
    payslip.header.carsel = k683;
    window.showPayslip(payslip);
    const int oneLine = control("carsel")->height();
    window.showPayslip(position604());
    auto* carsel = control<QLabel>("carsel");
    EXPECT_EQ(carsel->text(), "Asesor Pedagógico");
    EXPECT_FALSE(carsel->wordWrap());
    EXPECT_LT(carsel->height(), oneLine);
}

} // namespace
} // namespace haberes::test

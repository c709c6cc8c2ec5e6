// "Imprimir" turns the window into its paper version for the job only, and
// puts the screen version back in the colours printing leaves, whether the
// job printed, failed, or found no printer.
#include "print_fixture.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>

namespace haberes::test {
namespace {

const QColor kPrintedWindow(0, 192, 192);
const QColor kPrintedPanel(192, 255, 192);

class PaperVersion : public PrintingTest {
protected:
    void SetUp() override { window.showPayslip(position604()); }
};

TEST_F(PaperVersion, ScreenVersionHasTheFirstColoursAndNoZutel)
{
    EXPECT_EQ(windowColour(), QColor(0, 128, 0));
    EXPECT_EQ(panelColour(), QColor(255, 255, 192));
    expectScreenVersion();
}

TEST_F(PaperVersion, DuringTheJobTheWindowIsOnPaper)
{
    int looks = 0;
    duringJob = [&] {
        ++looks;
        expectPaperVersion();
    };
    answer = false;
    clickImprimir();
    EXPECT_EQ(looks, 1);
}

TEST_F(PaperVersion, NoPrinterPutsTheScreenVersionBackBeforeAsking)
{
    answer = false;
    int asked = 0;
    window.setPrintHooks({.defaultPrinter = [] { return QString(); },
                          .confirm =
                              [&](const QString&) {
                                  ++asked;
                                  expectScreenVersion();
                                  EXPECT_EQ(windowColour(), kPrintedWindow);
                                  return false;
                              },
                          .pdfPath = [](const QString&) { return QString(); }});
    clickImprimir();
    EXPECT_EQ(asked, 1);
    expectScreenVersion();
    EXPECT_EQ(windowColour(), kPrintedWindow);
    EXPECT_EQ(panelColour(), kPrintedPanel);
}

TEST_F(PaperVersion, NoPrinterOffersAPdfAndSavesIt)
{
    pdfPath = dir.filePath("recibo.pdf");
    clickImprimir();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains("No hay ninguna impresora")) << questions[0].toStdString();
    EXPECT_TRUE(questions[0].contains("PDF"));
    ASSERT_EQ(suggested.size(), 1);
    const QString expectedName = "Recibo-Ana-Perez-" + QDate::currentDate().toString(Qt::ISODate) + ".pdf";
    EXPECT_TRUE(suggested[0].endsWith("/" + expectedName)) << suggested[0].toStdString();
    EXPECT_GT(QFileInfo(pdfPath).size(), 0);
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains(pdfPath)) << notices[0].toStdString();
    expectScreenVersion();
    EXPECT_EQ(windowColour(), kPrintedWindow);
    EXPECT_EQ(panelColour(), kPrintedPanel);
}

TEST_F(PaperVersion, DeclinedOrCancelledPdfWritesNothing)
{
    answer = false;
    clickImprimir();
    EXPECT_EQ(questions.size(), 1);
    EXPECT_TRUE(suggested.isEmpty());

    answer = true;
    pdfPath.clear();
    clickImprimir();
    EXPECT_EQ(suggested.size(), 1);
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    expectScreenVersion();
}

TEST_F(PaperVersion, PdfNameWithoutExtensionGetsOne)
{
    pdfPath = dir.filePath("recibo-marzo");
    clickImprimir();
    EXPECT_TRUE(QFile::exists(pdfPath + ".pdf"));
}

TEST_F(PaperVersion, FailedJobTellsWhichPrinterAndPutsTheScreenVersionBack)
{
    // A printer that went away between the lookup and the job.
    printer = "impresora-que-ya-no-esta";
    answer = false;
    clickImprimir();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains("No se pudo imprimir")) << questions[0].toStdString();
    EXPECT_TRUE(questions[0].contains(printer));
    expectScreenVersion();
    EXPECT_EQ(windowColour(), kPrintedWindow);
    EXPECT_EQ(panelColour(), kPrintedPanel);
}

TEST_F(PaperVersion, PdfThatCannotBeWrittenIsToldAndTheScreenVersionIsBack)
{
    pdfPath = dir.filePath("no-existe/recibo.pdf");
    clickImprimir();
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains("No se pudo guardar")) << notices[0].toStdString();
    EXPECT_FALSE(QFile::exists(pdfPath));
    expectScreenVersion();
    EXPECT_EQ(windowColour(), kPrintedWindow);
    EXPECT_EQ(panelColour(), kPrintedPanel);
}

TEST_F(PaperVersion, PrintingTwiceLeavesTheSameWindowAndScroll)
{
    control<QScrollBar>("movedor")->setValue(630);
    const QRect panel = control("sosten")->geometry();
    answer = false;
    clickImprimir();
    clickImprimir();
    EXPECT_EQ(questions.size(), 2);
    expectScreenVersion();
    EXPECT_EQ(windowColour(), kPrintedWindow);
    EXPECT_EQ(panelColour(), kPrintedPanel);
    EXPECT_EQ(control<QScrollBar>("movedor")->value(), 630);
    EXPECT_EQ(control("sosten")->geometry(), panel);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isEnabled());
}

} // namespace
} // namespace haberes::test

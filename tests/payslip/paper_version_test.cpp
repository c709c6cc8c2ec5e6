// "Imprimir" turns the window into its paper version for the page only and
// puts back exactly what the screen showed. The colours printing leaves
// come only once a job was accepted or a PDF saved.
#include "print_fixture.h"

#include "payslip/payslip_layout.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace haberes::test {
namespace {

const QColor kFirstWindow(0, 128, 0);
const QColor kFirstPanel(255, 255, 192);
const QColor kPrintedWindow(0, 192, 192);
const QColor kPrintedPanel(192, 255, 192);

class PaperVersion : public PrintingTest {
protected:
    void SetUp() override { window.showPayslip(position604()); }

    void expectColours(const QColor& windowExpected, const QColor& panelExpected) const
    {
        EXPECT_EQ(windowColour(), windowExpected);
        EXPECT_EQ(panelColour(), panelExpected);
    }
};

TEST_F(PaperVersion, ScreenVersionHasTheFirstColoursAndNoZutel)
{
    expectColours(kFirstWindow, kFirstPanel);
    expectScreenVersion();
}

TEST_F(PaperVersion, JobGetsThePaperVersion)
{
    installed = {"Oficina", {"Oficina"}};
    clickImprimir();
    ASSERT_EQ(jobs, QStringList{"Oficina"});
    const std::optional<QString> text = pdfText(writeFile(dir.filePath("job.pdf"), jobPdf));
    ASSERT_TRUE(text);
    EXPECT_EQ(zutelInMargin(*text), 8);
    for (const char* absent : {"Volver", "Imprimir", "Salir", "Se imprime en blanco y negro", "Poné tu comentario"})
        EXPECT_FALSE(text->contains(absent)) << absent;
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_TRUE(notices.isEmpty());
    expectScreenVersion();
    expectColours(kPrintedWindow, kPrintedPanel);
}

TEST_F(PaperVersion, NoPrinterLeavesTheColoursUntilAPdfIsSaved)
{
    answer = false;
    clickImprimir();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains("No hay ninguna impresora")) << questions[0].toStdString();
    expectScreenVersion();
    expectColours(kFirstWindow, kFirstPanel);

    answer = true;
    pdfPath = dir.filePath("recibo.pdf");
    clickImprimir();
    ASSERT_EQ(suggested.size(), 1);
    const QString expectedName = "Recibo-Ana-Perez-" + QDate::currentDate().toString(Qt::ISODate) + ".pdf";
    EXPECT_TRUE(suggested[0].endsWith("/" + expectedName)) << suggested[0].toStdString();
    EXPECT_GT(QFileInfo(pdfPath).size(), 0);
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains(pdfPath)) << notices[0].toStdString();
    expectScreenVersion();
    expectColours(kPrintedWindow, kPrintedPanel);
}

TEST_F(PaperVersion, CancelledPdfWritesNothingAndKeepsTheColours)
{
    pdfPath.clear();
    clickImprimir();
    EXPECT_EQ(suggested.size(), 1);
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    expectColours(kFirstWindow, kFirstPanel);
}

TEST_F(PaperVersion, PdfThatCannotBeWrittenIsToldAndKeepsTheColours)
{
    pdfPath = dir.filePath("no-existe/recibo.pdf");
    clickImprimir();
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains("No se pudo guardar")) << notices[0].toStdString();
    EXPECT_FALSE(QFile::exists(pdfPath));
    expectScreenVersion();
    expectColours(kFirstWindow, kFirstPanel);
}

TEST_F(PaperVersion, PdfThatCannotBeWrittenLeavesTheOldFileWhole)
{
    // A folder in the way of the file: nothing can replace it.
    pdfPath = dir.filePath("recibo.pdf");
    ASSERT_TRUE(QDir(dir.path()).mkdir("recibo.pdf"));
    clickImprimir();
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(QFileInfo(pdfPath).isDir());
}

TEST_F(PaperVersion, ScreenComesBackExactlyScrollPanelCommentAndFocus)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* movedor = control<QScrollBar>("movedor");
    movedor->setValue(630);
    auto* comment = control<QPlainTextEdit>("Text11");
    comment->setPlainText(QString("Una nota larga que llena la caja. ").repeated(12));
    const QRect panel = control("sosten")->geometry();
    const QRect commentBox = comment->geometry();

    answer = false;
    // A mouse click gives the button the focus before it prints.
    QTest::mouseClick(control<QPushButton>("Imprimir"), Qt::LeftButton);
    clickImprimir();
    EXPECT_EQ(questions.size(), 2);
    expectScreenVersion();
    EXPECT_EQ(movedor->value(), 630);
    EXPECT_EQ(control("sosten")->geometry(), panel);
    EXPECT_EQ(comment->geometry(), commentBox);
    EXPECT_TRUE(window.isEnabled());
    // The focus stays on the button: no box took it over and selected its
    // text while the button was hidden.
    EXPECT_EQ(QApplication::focusWidget(), control("Imprimir"));
    EXPECT_FALSE(control<QLineEdit>("Text10")->hasSelectedText());
}


// The page reaches below the notice of a negative net pay when it shows:
// 27 rows put the net pay's rule at 10855 twips, the notice 60 below it and
// 600 high, then the margin of 240.
TEST(PaperLayout, ThePageHoldsTheNoticeOfANegativeNetPay)
{
    using namespace layout;
    EXPECT_EQ(paperPanelHeight(27), 11095);
    EXPECT_EQ(paperPanelHeight(27, true), 11755);
    EXPECT_EQ(paperHeight(27, true), 100 + 11755 + 60);
    // A short payslip keeps the window's height, notice or not.
    EXPECT_EQ(paperPanelHeight(5, true), 8330);
    EXPECT_EQ(paperHeight(5, true), 8490);
}

} // namespace
} // namespace haberes::test

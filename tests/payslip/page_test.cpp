// The page on its own: the fit to the paper, the suggested file name, and a
// file that cannot be written.
#include "payslip/paper_page.h"
#include "payslip/printing.h"

#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace haberes::test {
namespace {

TEST(PageFit, ShrinksOnlyWhatDoesNotFitKeepingProportions)
{
    EXPECT_DOUBLE_EQ(fitFactor({100, 50}, {200, 200}), 1.0);
    EXPECT_DOUBLE_EQ(fitFactor({200, 50}, {100, 100}), 0.5);
    EXPECT_DOUBLE_EQ(fitFactor({100, 400}, {100, 100}), 0.25);
    EXPECT_DOUBLE_EQ(fitFactor({400, 400}, {200, 100}), 0.25);
    EXPECT_DOUBLE_EQ(fitFactor({0, 0}, {200, 100}), 1.0);
}

TEST(PageDrawing, FileThatCannotBeWrittenFails)
{
    QWidget widget;
    widget.resize(200, 100);
    QTemporaryDir dir;
    const QPageSize a4(QPageSize::A4);
    EXPECT_FALSE(writePdf(dir.filePath("falta/recibo.pdf"), widget, widget.rect(), "x", a4));
    EXPECT_TRUE(writePdf(dir.filePath("recibo.pdf"), widget, widget.rect(), "x", a4));
}

TEST(PdfName, TeacherAndDateInSafeCharacters)
{
    const QDate date(2025, 3, 14);
    EXPECT_EQ(pdfFileName("Ana Pérez", date), "Recibo-Ana-Perez-2025-03-14.pdf");
    EXPECT_EQ(pdfFileName("  Pérez, Ana María  ", date), "Recibo-Perez-Ana-Maria-2025-03-14.pdf");
    EXPECT_EQ(pdfFileName("Muñoz/../etc:*?\"<>|", date), "Recibo-Munoz-etc-2025-03-14.pdf");
    EXPECT_EQ(pdfFileName("", date), "Recibo-2025-03-14.pdf");
    EXPECT_EQ(pdfFileName("李 ///", date), "Recibo-2025-03-14.pdf");
    EXPECT_EQ(pdfFileName("Ana", QDate()), "Recibo-Ana.pdf");
}

TEST(PdfName, LongNameIsCut)
{
    const QString name = pdfFileName(QString(200, 'a'), QDate(2025, 3, 14));
    EXPECT_EQ(name, "Recibo-" + QString(60, 'a') + "-2025-03-14.pdf");
    const QString spaced = pdfFileName(QString(59, 'b') + " c", QDate(2025, 3, 14));
    EXPECT_EQ(spaced, "Recibo-" + QString(59, 'b') + "-2025-03-14.pdf");
}

} // namespace
} // namespace haberes::test

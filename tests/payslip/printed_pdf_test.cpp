// What the printed page says, read back from the PDF the window saves when
// there is no printer: the same page a printer gets.
#include "print_fixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

namespace haberes::test {
namespace {

class PrintedPdf : public PrintingTest {
protected:
    // The texts of the shown cells of the panel's rows.
    QStringList shownCells() const
    {
        QStringList texts;
        for (const char* column : {"cod", "Label10", "Label19"})
            for (int r = 0; r < Payslip::kRows; ++r)
                if (auto* cell = control<QLabel>(column, r); cell->isVisible())
                    texts << cell->text();
        for (int i = 0; i < 2 * Payslip::kRows; ++i)
            if (auto* cell = control<QLabel>("Label1", i); cell->isVisible())
                texts << cell->text();
        return texts;
    }
};

TEST_F(PrintedPdf, HasThePayslipTheCommentAndZutelButNoButtonsOrNotices)
{
    window.showPayslip(position604());
    auto* comment = control<QPlainTextEdit>("Text11");
    QTest::keyClicks(comment, "Reclamar el codigo 078");
    comment->insertPlainText(" de marzo, año 2025"); // keyClicks types ASCII only
    const QString text = printToPdf();
    ASSERT_FALSE(text.isEmpty());
    // The comment wraps in its box: its lines are read one after another.
    EXPECT_TRUE(printToPdf("lectura.pdf", TextOrder::reading)
                    .simplified()
                    .contains("Reclamar el codigo 078 de marzo, año 2025"));

    for (const QString& expected :
         {QString("Recibo de haberes"), QString("Recibo de sueldos de:"), QString("Ana Pérez"),
          QString("Haberes desde Julio 2.010"), QString("Asesor Pedagógico"), QString("Código del cargo"),
          QString("604"), QString("3146"), QString("14/03/2025 10:32"),
          QString("Total Haberes"), QString("Total descuentos"), QString("Liquido a pagar"),
          control<QLabel>("thaberes")->text(), control<QLabel>("tdescuentos")->text(),
          control<QLabel>("liquido")->text()})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n" << text.toStdString();
    const QStringList cells = shownCells();
    EXPECT_GE(cells.size(), 11 * 3); // code, concept and amount of 11 lines, and quantities
    for (const QString& cell : cells)
        EXPECT_TRUE(text.contains(cell)) << cell.toStdString();

    EXPECT_EQ(zutelInMargin(text), 8);
    for (const char* absent : {"Volver", "Imprimir", "Salir", "Se imprime en blanco y negro", "Poné tu comentario"})
        EXPECT_FALSE(text.contains(absent)) << absent;
}

TEST_F(PrintedPdf, PrintingTwiceGivesTheSameText)
{
    window.showPayslip(fullPosition());
    const QString first = printToPdf("primero.pdf");
    const QString second = printToPdf("segundo.pdf");
    ASSERT_FALSE(first.isEmpty());
    EXPECT_EQ(first, second);
}

TEST_F(PrintedPdf, WhatIsScrolledOutOfViewIsNotPrinted)
{
    // 25 rows: at the top the totals lie below the window, scrolled to the
    // bottom the teacher's name lies above it.
    window.showPayslip(fullPosition());
    const QString top = printToPdf("arriba.pdf");
    EXPECT_TRUE(top.contains("Recibo de sueldos de:"));
    EXPECT_FALSE(top.contains("Liquido a pagar")) << top.toStdString();

    auto* movedor = control<QScrollBar>("movedor");
    movedor->setValue(movedor->maximum());
    const QString bottom = printToPdf("abajo.pdf");
    EXPECT_FALSE(bottom.contains("Recibo de sueldos de:")) << bottom.toStdString();
    EXPECT_TRUE(bottom.contains("Liquido a pagar"));
    // Beside the panel nothing moves.
    EXPECT_EQ(zutelInMargin(bottom), 8);
    EXPECT_TRUE(bottom.contains("14/03/2025 10:32"));
}

TEST_F(PrintedPdf, PageHoldsTheWindowInItsProportionsAndNothingBelow)
{
    // The panel reaches far below the window; on paper it ends where the
    // window does.
    window.showPayslip(fullPosition());
    printToPdf();
    const QImage page = pdfPage(pdfPath);
    ASSERT_FALSE(page.isNull()) << "pdftoppm (poppler-utils) could not read " << pdfPath.toStdString();
    const QRect inked = inkedArea(page);
    // From the "ZUTEL" column (a few pixels in) to the scroll bar at the
    // right edge, and from the panel's title to the window's bottom.
    const double windowShape = double(window.height()) / window.width();
    const double inkShape = double(inked.height()) / inked.width();
    EXPECT_NEAR(inkShape, windowShape, 0.05) << inked.width() << "x" << inked.height();
    // Fitted across the page, not cut off.
    EXPECT_LT(inked.right(), page.width() - 1);
    EXPECT_GT(inked.width(), page.width() / 2);
}

TEST_F(PrintedPdf, HoursPayslipHasNoPositionPoints)
{
    window.showPayslip(hoursPayslip());
    const QString text = printToPdf();
    EXPECT_TRUE(text.contains("Cantidad de horas"));
    EXPECT_TRUE(text.contains("Puntaje"));
    EXPECT_FALSE(text.contains("Ptos. Comp Básico"));
    EXPECT_FALSE(text.contains("Prol jorn"));
}

} // namespace
} // namespace haberes::test

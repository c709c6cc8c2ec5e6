// What the printed page says, read back from the PDF the window saves when
// there is no printer: the same page a printer gets.
#include "print_fixture.h"

#include "payslip/printing.h"

#include <QLabel>
#include <QRegularExpression>
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

TEST_F(PrintedPdf, WholePayslipWhateverTheScrollAndWindowSize)
{
    // 25 rows: on screen the totals lie below the window at the top, the
    // teacher's name above it at the bottom. On paper both are there.
    window.showPayslip(fullPosition());
    const QStringList cells = shownCells();
    auto* movedor = control<QScrollBar>("movedor");
    const struct {
        const char* file;
        int scroll;
        QSize size;
    } views[] = {{"arriba.pdf", 0, window.size()},
                 {"abajo.pdf", movedor->maximum(), window.size()},
                 {"chica.pdf", 1500, QSize(300, 200)}};
    for (const auto& view : views) {
        window.resize(view.size);
        movedor->setValue(view.scroll);
        const QString text = printToPdf(view.file);
        for (const QString& expected :
             {QString("Recibo de sueldos de:"), QString("Ana Pérez"), QString("Total Haberes"),
              QString("Total descuentos"), QString("Liquido a pagar"), control<QLabel>("thaberes")->text(),
              control<QLabel>("tdescuentos")->text(), control<QLabel>("liquido")->text(),
              QString("14/03/2025 10:32"), QString("Código del cargo")})
            EXPECT_TRUE(text.contains(expected)) << view.file << ": " << expected.toStdString();
        for (const QString& cell : cells)
            EXPECT_TRUE(text.contains(cell)) << view.file << ": " << cell.toStdString();
        EXPECT_EQ(zutelInMargin(text), 8) << view.file;
        EXPECT_EQ(movedor->value(), view.scroll);
    }
}

TEST_F(PrintedPdf, LongCommentIsPrintedWhole)
{
    window.showPayslip(position604());
    QStringList words;
    for (int i = 1; i <= 40; ++i)
        words << QStringLiteral("palabra%1").arg(i);
    control<QPlainTextEdit>("Text11")->setPlainText(words.join(' '));
    const QStringList printed = printToPdf("nota.pdf").split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    for (const QString& word : words)
        EXPECT_TRUE(printed.contains(word)) << word.toStdString();
}

TEST_F(PrintedPdf, OnePageOfA4OrLetterWithEverythingInside)
{
    window.showPayslip(fullPosition());
    for (const auto& [paper, points] : {std::pair{QPageSize::A4, QSize(595, 842)},
                                        std::pair{QPageSize::Letter, QSize(612, 792)}}) {
        const QString path = dir.filePath(QPageSize::key(paper) + ".pdf");
        ASSERT_TRUE(savePaperPdf(window, path, QPageSize(paper)));
        const std::optional<PdfInfo> info = pdfInfo(path);
        ASSERT_TRUE(info);
        EXPECT_EQ(info->pages, 1);
        EXPECT_EQ(info->pointSize, points) << QPageSize::key(paper).toStdString();

        const QImage page = pdfPage(path);
        ASSERT_FALSE(page.isNull());
        const QRect inked = inkedArea(page);
        // Inside the margins, the whole width of the page's print area used.
        EXPECT_GT(inked.left(), 0);
        EXPECT_LT(inked.right(), page.width() - 1);
        EXPECT_GT(inked.top(), 0);
        EXPECT_LT(inked.bottom(), page.height() - 1);
        EXPECT_GT(inked.width(), page.width() * 3 / 4);
    }
    // The screen is left as it was.
    EXPECT_EQ(windowColour(), QColor(0, 128, 0));
    expectScreenVersion();
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

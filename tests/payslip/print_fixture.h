#pragma once
// The payslip window printed with its hooks in the test's hands: the
// default printer, the answer to the question and the PDF's path are set
// by the test, and what the window asks and tells is recorded.
#include "payslip_fixture.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

namespace haberes::test {

// The text of a PDF as pdftotext reads it, page layout kept (the columns
// side by side), or in reading order (a box's lines one after another);
// nothing when pdftotext cannot be run or fails.
enum class TextOrder { layout, reading };
std::optional<QString> pdfText(const QString& path, TextOrder order = TextOrder::layout);

// The first page of a PDF in grey at 30 dpi; null when pdftoppm fails.
QImage pdfPage(const QString& path);
// The smallest rectangle holding every pixel that is not white.
QRect inkedArea(const QImage& page);

// How many lines of a layout text begin with "ZUTEL": the margin column,
// not the union's payslip line.
int zutelInMargin(const QString& layoutText);

class PrintingTest : public PayslipWindowTest {
protected:
    PrintingTest();

    void clickImprimir();
    // The window's and the panel's background colours.
    QColor windowColour() const;
    QColor panelColour() const;
    // Volver, Imprimir, Salir, the notice and the prompt are shown, the
    // "ZUTEL" column hidden; or the other way round on paper.
    void expectScreenVersion() const;
    void expectPaperVersion() const;
    // Prints with no printer installed into a PDF in the temporary
    // folder, and returns its text.
    QString printToPdf(const QString& fileName = QStringLiteral("recibo.pdf"),
                       TextOrder order = TextOrder::layout);

    QString printer;        // the default printer; empty for none
    bool answer = true;     // to "save as PDF?"
    QString pdfPath;        // chosen in the save dialog; empty to cancel
    QStringList questions;  // asked by the window
    QStringList suggested;  // paths offered in the save dialog
    QStringList notices;    // told by the window
    std::function<void()> duringJob; // runs while the job looks up the printer

    QTemporaryDir dir;
};

} // namespace haberes::test

#pragma once
// The payslip window printed with its hooks in the test's hands: the
// default printer, the answer to the question and the PDF's path are set
// by the test, and what the window asks and tells is recorded.
#include "payslip_fixture.h"

#include <QColor>
#include <QImage>
#include <QPageSize>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>

#include <QByteArray>

#include <optional>

namespace haberes::test {

// The text of a PDF as pdftotext reads it, page layout kept (the columns
// side by side), or in reading order (a box's lines one after another);
// nothing when pdftotext cannot be run or fails.
enum class TextOrder { layout, reading };
std::optional<QString> pdfText(const QString& path, TextOrder order = TextOrder::layout);

// pdfinfo's page count and first page size in points (rounded).
struct PdfInfo {
    int pages = 0;
    QSize pointSize;
};
std::optional<PdfInfo> pdfInfo(const QString& path);

// The first page of a PDF in grey at 30 dpi; null when pdftoppm fails.
QImage pdfPage(const QString& path);
// The smallest rectangle holding every pixel that is not white.
QRect inkedArea(const QImage& page);

// How many lines of a layout text begin with "ZUTEL": the margin column,
// not the union's payslip line.
int zutelInMargin(const QString& layoutText);

// Writes bytes to a file in dir and returns its path.
QString writeFile(const QString& path, const QByteArray& bytes);

class PrintingTest : public PayslipWindowTest {
protected:
    PrintingTest();

    void clickImprimir();
    // The window's and the panel's background colours.
    QColor windowColour() const;
    QColor panelColour() const;
    // Volver, Imprimir, Salir, the notice, the prompt and the scroll bar
    // are shown, the "ZUTEL" column hidden.
    void expectScreenVersion() const;
    // With no printer installed, prints into a PDF in the temporary
    // folder, and returns its text.
    QString printToPdf(const QString& fileName = QStringLiteral("recibo.pdf"),
                       TextOrder order = TextOrder::layout);

    Printers installed;          // what CUPS has; none by default
    JobReport report{JobReport::Outcome::accepted, 1, {}}; // what becomes of a job
    QStringList jobs;            // the printers jobs went to
    QByteArray jobPdf;           // the last job's PDF
    QPageSize printerPaper{QPageSize::A4}; // what a job's PDF is rendered for
    PrinterChoice choice;        // the answer to "which printer?"
    QList<QStringList> choices;  // the printers offered each time
    bool answer = true;          // to "save as PDF?"
    QString pdfPath;             // chosen in the save dialog; empty to cancel
    QStringList questions;       // asked by the window
    QStringList suggested;       // paths offered in the save dialog
    QStringList notices;         // told by the window

    QTemporaryDir dir;
};

} // namespace haberes::test

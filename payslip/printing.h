#pragma once
// The payslip on paper outside "Imprimir": its paper version saved as a
// PDF, what any page about the payslip needs to go to a printer or a PDF,
// the buttons that start a job, and the file name suggested for the PDF.
#include "payslip/cups_queue.h"

#include <QDate>
#include <QString>

#include <functional>

class QPageSize;
class QWidget;

namespace haberes {

// A page for the printer or a PDF file: the payslip's paper version, or
// another page about the payslip. The same printers, questions and PDF
// folder serve every one.
struct PaperDocument {
    QString title;    // the job's name and the PDF's title
    QString what;     // what the messages call it: "el recibo"
    QString fileName; // the PDF's suggested name
    PaperPdf render;  // the PDF for a page size; empty when it cannot be made
    // The PDF on that paper into a file; false when it cannot be written, a
    // file already there then left as it was.
    std::function<bool(const QString& path, const QPageSize& paper)> save;
};

class PayslipWindow;

// Writes the paper version of window (the whole payslip, whatever the
// scroll position and window size) to a one-page PDF at path, on paper.
// The screen is left exactly as it was, colours included. False when the
// file cannot be written; a file already there is then left as it was.
bool savePaperPdf(PayslipWindow& window, const QString& path, const QPageSize& paper);

// A double click on button counts as one click: its second press, queued
// while the first click's job runs, would start a second job.
void ignoreDoubleClicks(QWidget* button);

// ---- The file name suggested for a payslip saved as PDF:
// "Recibo-Ana-Perez-2025-03-14.pdf": the teacher's name without accents or
// punctuation, words joined by "-", and the date; "Recibo-2025-03-14.pdf"
// when no name is left. Only ASCII letters, digits, "-" and "." remain, so
// the name is safe on any file system. Another page about the payslip
// gives its own first word ("Control-del-recibo").
QString pdfFileName(const QString& teacher, QDate date, const QString& first = QStringLiteral("Recibo"));

} // namespace haberes

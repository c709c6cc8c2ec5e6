#pragma once
// The payslip on paper outside "Imprimir": its paper version saved as a
// PDF, the buttons that start a job, and the file name suggested for the PDF.
#include <QDate>
#include <QString>

class QPageSize;
class QWidget;

namespace haberes {

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
// the name is safe on any file system.
QString pdfFileName(const QString& teacher, QDate date);

} // namespace haberes

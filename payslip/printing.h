#pragma once
// The payslip on paper outside "Imprimir": its paper version saved as a PDF.
class QPageSize;
class QString;
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

} // namespace haberes

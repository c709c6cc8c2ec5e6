#pragma once
// Where a payslip saved as PDF goes: the save dialog, the folder it opens
// in and the folder it remembers.
#include <QString>

class QFileDialog;
class QWidget;

namespace haberes {

// The last folder a PDF was saved in while it still exists, else the
// Documents folder, else the home folder.
QString pdfFolder();
// Remembers the folder of a saved file for the next time (QSettings).
void rememberPdfFolder(const QString& savedFile);

// A save dialog for a PDF starting at suggested. A name typed without
// ".pdf" gets it before the dialog checks for a file of that name, so the
// question about overwriting is about the file that will be written.
void setUpPdfDialog(QFileDialog& dialog, const QString& suggested);
// The path chosen in that dialog; empty when cancelled.
QString askPdfPath(QWidget* parent, const QString& suggested);

} // namespace haberes

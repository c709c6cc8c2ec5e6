#pragma once
// Asking the user where the payslip goes when no printer is the default:
// one of the installed printers, a PDF instead, or nothing.
#include <QString>
#include <QStringList>

class QWidget;

namespace haberes {

struct PrinterChoice {
    enum class Kind { printer, pdf, cancel };
    Kind kind = Kind::cancel;
    QString printer; // for Kind::printer
};

// A modal dialog "Elegir impresora" listing printers, the first selected.
PrinterChoice askForPrinter(QWidget* parent, const QStringList& printers);

} // namespace haberes

// "Imprimir": the window turned into its paper version, recorded and sent to
// the default printer, then put back on screen whatever happened. When
// there is no printer or the job fails, the same page can go to a PDF.
#include "payslip/payslip_window.h"

#include "payslip/page_drawing.h"
#include "payslip/payslip_ui.h"
#include "payslip/pdf_name.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace haberes {

namespace {

QString defaultPrinterName()
{
    return QPrinterInfo::defaultPrinter().printerName();
}

// The job's name in the print queue and the PDF's title.
QString documentTitle(const QString& teacher)
{
    return QStringLiteral("Recibo de haberes - %1").arg(teacher);
}

} // namespace

void PayslipWindow::setPrintHooks(PrintHooks hooks)
{
    printHooks_ = std::move(hooks);
}

QString PayslipWindow::teacherName() const
{
    // A name too long for its box is shortened there; the tooltip has it
    // whole.
    const QString whole = ui_->docente->toolTip();
    return whole.isEmpty() ? ui_->docente->text() : whole;
}

void PayslipWindow::print()
{
    // Keeps the window in its paper version for as long as it lives, so
    // that no way out of printing leaves it there.
    struct PaperVersion {
        Ui& ui;
        explicit PaperVersion(Ui& u) : ui(u) { ui.toPaper(); }
        ~PaperVersion() { ui.toScreen(); }
        PaperVersion(const PaperVersion&) = delete;
        PaperVersion& operator=(const PaperVersion&) = delete;
    };

    const QSize area = size();
    const QString title = documentTitle(teacherName());
    QPicture page;
    QString printer;
    bool printed = false;
    {
        const PaperVersion paper(*ui_);
        page = recordClientArea(*this);
        printer = printHooks_.defaultPrinter ? printHooks_.defaultPrinter() : defaultPrinterName();
        printed = !printer.isEmpty() && printOn(printer, page, area, title);
    }
    if (printed)
        return;

    if (printer.isEmpty())
        offerPdf(page, QStringLiteral("No hay ninguna impresora predeterminada.\n"
                                      "¿Querés guardar el recibo como PDF?"));
    else
        offerPdf(page, QStringLiteral("No se pudo imprimir el recibo en la impresora «%1».\n"
                                      "¿Querés guardarlo como PDF?")
                           .arg(printer));
}

void PayslipWindow::offerPdf(const QPicture& page, const QString& question)
{
    const bool yes = printHooks_.confirm
                         ? printHooks_.confirm(question)
                         : QMessageBox::question(this, windowTitle(), question) == QMessageBox::Yes;
    if (!yes)
        return;

    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(folder).filePath(pdfFileName(teacherName(), QDate::currentDate()));
    QString path = printHooks_.pdfPath
                       ? printHooks_.pdfPath(suggested)
                       : QFileDialog::getSaveFileName(this, QStringLiteral("Guardar el recibo como PDF"), suggested,
                                                      QStringLiteral("Documentos PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");

    if (saveAsPdf(path, page, size(), documentTitle(teacherName())))
        notify(QStringLiteral("El recibo se guardó en %1.").arg(QDir::toNativeSeparators(path)));
    else
        notify(QStringLiteral("No se pudo guardar el recibo en %1.\n"
                              "Revisá que la carpeta exista y que se pueda escribir en ella.")
                   .arg(QDir::toNativeSeparators(path)));
}

} // namespace haberes

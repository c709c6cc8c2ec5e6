// "Guardar PDF…": the paper version written to a PDF at any time, without a
// printer, on the default printer's paper; the same folder, name and
// questions as the PDF offered when printing fails.
#include "payslip/payslip_window.h"

#include "payslip/media_size.h"
#include "payslip/payslip_ui.h"

#include <QAction>
#include <QScopedValueRollback>

namespace haberes {

void PayslipWindow::createPdfAction()
{
    pdfAction_ = new QAction(QStringLiteral("Guardar PDF…"), this);
    pdfAction_->setObjectName(QStringLiteral("guardarPdf"));
    pdfAction_->setShortcut(QKeySequence::Save);
    pdfAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(pdfAction_);
    // Right-click on the window's background offers it; the text boxes keep
    // their own menus.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(pdfAction_, &QAction::triggered, this, [this] {
        // Not while a print or another save is asking its questions.
        if (printing_)
            return;
        const QScopedValueRollback busy(printing_, true);
        // The page "Imprimir" would print on.
        const Printers printers = printHooks_.printers ? printHooks_.printers() : cupsPrinters();
        if (savePdf(printers.defaultPaper.value_or(usualPageSize())))
            ui_->showPrintedColours();
    });
}

} // namespace haberes

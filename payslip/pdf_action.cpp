// "Guardar PDF…": the paper version written to a PDF at any time, without a
// printer; the same folder, name and questions as the PDF offered when
// printing fails.
#include "payslip/payslip_window.h"

#include "payslip/payslip_ui.h"
#include "payslip/printing.h"

#include <QAction>

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
        if (savePaperAsPdf(payslipPaper()))
            ui_->showPrintedColours();
    });
}

} // namespace haberes

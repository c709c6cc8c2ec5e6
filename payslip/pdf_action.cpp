// "Guardar PDF…": the paper version written to a PDF at any time, without a
// printer, on the default printer's paper; the same folder, name and
// questions as the PDF offered when printing fails. A button, Ctrl+Shift+S
// and the window's context menu; the save dialog is shown without waiting
// for it.
#include "payslip/payslip_window.h"

#include "payslip/media_size.h"
#include "payslip/payslip_ui.h"

#include "common/dialog_open.h"
#include "payslip/pdf_dialog.h"

#include <QAction>
#include <QFileDialog>
#include <QPushButton>
#include <QScopedValueRollback>

namespace haberes {

void PayslipWindow::createPdfAction()
{
    pdfAction_ = new QAction(QStringLiteral("Guardar PDF…"), this);
    pdfAction_->setObjectName(QStringLiteral("guardarPdf"));
    // Not Ctrl+S: above the entry window that saves the entries.
    pdfAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    pdfAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(pdfAction_);
    // Right-click on the window's background offers it; the text boxes keep
    // their own menus.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(ui_->GuardarPdf, &QPushButton::clicked, pdfAction_, &QAction::trigger);
    connect(pdfAction_, &QAction::triggered, this, [this] {
        // Not while a print or another save is asking its questions.
        if (printing_)
            return;
        // The page "Imprimir" would print on.
        const Printers printers = printHooks_.printers ? printHooks_.printers() : cupsPrinters();
        const QPageSize paper = printers.defaultPaper.value_or(usualPageSize());
        if (printHooks_.pdfPath) {
            const QScopedValueRollback busy(printing_, true);
            if (savePdfTo(printHooks_.pdfPath(suggestedPdfPath()), paper))
                ui_->showPrintedColours();
            return;
        }
        printing_ = true;
        auto* dialog = new QFileDialog(this);
        dialog->setObjectName(QStringLiteral("dialogoGuardarPdf"));
        setUpPdfDialog(*dialog, suggestedPdfPath());
        connect(dialog, &QDialog::finished, this, [this] { printing_ = false; });
        openFileDialog(dialog, this, [this, paper](const QString& path) {
            if (savePdfTo(path, paper))
                ui_->showPrintedColours();
        });
    });
}

} // namespace haberes

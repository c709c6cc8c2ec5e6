// "Comparar con lo cobrado…": the button that opens the comparison of the
// paper payslip with the payslip on view, which prints through the
// window's own printing.
#include "payslip/payslip_window.h"

#include "payslip/payslip_layout.h"
#include "payslip/paid_check_window.h"
#include "payslip/printing.h"

#include <QPushButton>

namespace haberes {

void PayslipWindow::createPaidCheck()
{
    paidCheck_ = new PaidCheckWindow(this);
    paidCheck_->setHooks({[this](const PaperDocument& paper) { printPaper(paper); },
                          [this](const PaperDocument& paper) { savePaperAsPdf(paper); },
                          [this](const QString& text) { notify(text); }});

    auto* comparar = new QPushButton(QStringLiteral("Comparar con\nlo cobrado…"), this);
    comparar->setObjectName(QStringLiteral("compararCobrado"));
    comparar->setAccessibleName(QStringLiteral("Comparar con lo cobrado…"));
    comparar->setToolTip(QStringLiteral("Escribí lo que dice tu recibo de papel y mirá qué líneas difieren"));
    comparar->setGeometry(layout::kComparar.toPixels());
    connect(comparar, &QPushButton::clicked, this, [this] {
        paidCheck_->show();
        paidCheck_->raise();
        paidCheck_->activateWindow();
    });
}

} // namespace haberes

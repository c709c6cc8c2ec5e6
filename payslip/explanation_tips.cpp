// How each amount was formed, as the tooltip of the cells of its line and
// of the totals. A payslip computed without explanations leaves no tooltip
// of an earlier one behind.
#include "payslip/payslip_window.h"

#include "engine/payslip.h"

#include "payslip/cell_text.h"
#include "payslip/payslip_ui.h"

#include <QLabel>

#include <algorithm>

namespace haberes {

namespace {

void setTip(QLabel* cell, const QString& tip)
{
    cell->setToolTip(tip);
}

QString lineTip(const PayslipLine& line, const QString& explanation)
{
    if (explanation.isEmpty())
        return {};
    return QStringLiteral("%1 %2\n%3").arg(qs(line.code), qs(line.concepto), explanation);
}

} // namespace

void PayslipWindow::showExplanations(const Payslip& payslip)
{
    const int rows = std::min<int>(payslip.fila(), Payslip::kRows);
    for (int r = 0; r < Payslip::kRows; ++r) {
        QString tip;
        if (r < rows)
            tip = lineTip(payslip.lines[static_cast<std::size_t>(r)], qs(payslip.explanationOf(r)));
        setTip(ui_->cod[r], tip);
        setTip(ui_->Label10[r], tip);
        setTip(ui_->Label1[r], tip);
        setTip(ui_->Label1[Payslip::kRows + r], tip);
        // Without an explanation the concept keeps its own tooltip (itself
        // whole, when shortened); the explanation names it whole too.
        if (!tip.isEmpty())
            setTip(ui_->Label19[r], tip);
    }

    const auto totalTip = [&payslip](const Explanation* e) {
        return e ? qs(explanationText(*e, payslip.decimalSeparator)) : QString();
    };
    const PayslipExplanations* x = payslip.explanations ? &*payslip.explanations : nullptr;
    const QString hab = totalTip(x ? &x->totalhab : nullptr);
    const QString desc = totalTip(x ? &x->totaldesc : nullptr);
    const QString liq = totalTip(x ? &x->totalliq : nullptr);
    for (QLabel* l : {ui_->Label15, ui_->thaberes})
        setTip(l, hab);
    for (QLabel* l : {ui_->Label16, ui_->tdescuentos})
        setTip(l, desc);
    for (QLabel* l : {ui_->Label17, ui_->liquido})
        setTip(l, liq);
}

} // namespace haberes

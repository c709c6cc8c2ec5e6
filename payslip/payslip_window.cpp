// What the payslip window does: take a payslip, scroll, resize, the
// buttons, and how each amount was formed.
#include "payslip/payslip_window.h"

#include "engine/payslip.h"
#include "payslip/cell_text.h"
#include "payslip/net_warning.h"
#include "payslip/payslip_layout.h"
#include "payslip/payslip_ui.h"
#include "payslip/printing.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace haberes {

using namespace layout;

PayslipWindow::PayslipWindow(QWidget* parent) : QWidget(parent, Qt::Window), ui_(new Ui(this))
{
    setWindowTitle("Haberes");
    resize(px(kClientWidth), px(kClientHeight));
    createPdfAction();

    connect(ui_->movedor, &QScrollBar::valueChanged, this, &PayslipWindow::scrollTo);
    connect(ui_->Volver, &QPushButton::clicked, this, &PayslipWindow::onVolver);
    connect(ui_->Imprimir, &QPushButton::clicked, this, &PayslipWindow::print);
    ignoreDoubleClicks(ui_->Imprimir);
    connect(ui_->Salir, &QPushButton::clicked, this, &PayslipWindow::salirRequested);

    scrollTo(ui_->movedor->value());
    fitScrollBar();
}

PayslipWindow::~PayslipWindow()
{
    delete ui_;
}

void PayslipWindow::showPayslip(const Payslip& payslip)
{
    const ColumnFonts fonts = columnFonts(payslip, ui_->font, ui_->boldFont);
    clearRows();
    const int rows = std::clamp(payslip.fila(), 0, Payslip::kRows);
    for (int r = 0; r < rows; ++r)
        showLine(payslip.lines[r], fonts);

    ui_->placeTotals(rows);
    setRightAligned(ui_->thaberes, qs(payslip.thaberes), fonts.total, px(kThaberesRight), 0);
    setRightAligned(ui_->tdescuentos, qs(payslip.tdescuentos), fonts.total, px(kTdescuentosRight), 0);
    setRightAligned(ui_->liquido, qs(payslip.liquido), fonts.total, px(kTdescuentosRight), 0);

    showExplanations(payslip);

    // The title comes with the amounts, so that they never belong to two scales.
    ui_->Label3->setText(qs(payslip.titulo));
    setFittedText(ui_->docente, qs(payslip.docente), ui_->font);
    setFittedText(ui_->Text10, qs(payslip.date), ui_->font);
    showHeader(payslip.header);

    setEnabled(true);
    show();
    raise();
    activateWindow();
    // Not on a box: a stray keystroke must change nothing that is printed.
    ui_->Volver->setFocus(Qt::OtherFocusReason);
    // Announced after the focus moves, so that it is not talked over.
    if (showNetWarning(ui_->avisoLiquido, payslip)) {
        if (alertHandler_)
            alertHandler_(ui_->avisoLiquido);
        else
            announceAlert(ui_->avisoLiquido);
    }
}

void PayslipWindow::setPositionHeader(const QString& numcargo, const QString& punbasicos, const QString& proljor,
                                      const QString& jorcom, const QString& tardif, const QString& compbas)
{
    setFittedText(ui_->numcargo, numcargo, ui_->font);
    setFittedText(ui_->punbasicos, punbasicos, ui_->font);
    setFittedText(ui_->proljor, proljor, ui_->font);
    setFittedText(ui_->jorcom, jorcom, ui_->font);
    setFittedText(ui_->tardif, tardif, ui_->font);
    setFittedText(ui_->compbas, compbas, ui_->font);
}

QString PayslipWindow::comment() const
{
    return ui_->Text11->toPlainText();
}

void PayslipWindow::setComment(const QString& text)
{
    ui_->Text11->setPlainText(text);
}

void PayslipWindow::setNoticeHandler(NoticeHandler handler)
{
    noticeHandler_ = std::move(handler);
}

void PayslipWindow::setAlertHandler(AlertHandler handler)
{
    alertHandler_ = std::move(handler);
}

// Hidden in this order; the texts stay, each shown cell gets its new one.
void PayslipWindow::clearRows()
{
    for (QWidget* rule : ui_->Line8)
        rule->hide();
    for (QLabel* cell : ui_->Label1)
        cell->hide();
    for (QLabel* cell : ui_->Label10)
        cell->hide();
    for (QLabel* cell : ui_->Label19)
        cell->hide();
    for (QLabel* cell : ui_->cod)
        cell->hide();
}

void PayslipWindow::showLine(const PayslipLine& line, const ColumnFonts& fonts)
{
    const int r = line.row;
    if (r < 0 || r >= Payslip::kRows)
        return;

    const CellColumn code = codeColumn();
    setRightAligned(ui_->cod[r], qs(line.code), fonts.code, code.right, px(kCodWidth), code.room());
    ui_->cod[r]->show();
    setFittedText(ui_->Label19[r], qs(line.concepto), ui_->font);
    ui_->Label19[r]->show();
    if (line.quantity) {
        const CellColumn quantity = quantityColumn();
        setRightAligned(ui_->Label10[r], qs(*line.quantity), fonts.quantity, quantity.right, px(kQuantityWidth),
                        quantity.room());
        ui_->Label10[r]->show();
    }

    // One column per row: the other amount cell stays hidden.
    const bool earnings = line.column == Column::earnings;
    QLabel* amount = ui_->Label1[earnings ? r : Payslip::kRows + r];
    setRightAligned(amount, qs(line.text), fonts.amount, (earnings ? earningsColumn() : deductionsColumn()).right, 0);
    // The two columns look alike: the amount says its column; how it was
    // formed is its description, as on the line's other cells.
    amount->setAccessibleName(
        QStringLiteral("%1 (%2)").arg(qs(line.text), earnings ? QStringLiteral("Haberes") : QStringLiteral("Descuentos")));
    amount->show();
    ui_->Line8[r]->show();
}

void PayslipWindow::showHeader(const PayslipHeader& header)
{
    setFittedText(ui_->Label11, qs(header.caption), ui_->font);
    ui_->numcargo->setAccessibleName(header.caption.empty() ? QString::fromUtf8(Ui::kCodeCaption)
                                                            : qs(header.caption));
    // A long position name takes two lines, down to the caption below.
    setTwoLineText(ui_->carsel, qs(header.carsel), ui_->font, kCarsel.toPixels().height(),
                   px(kLabel11.top) - px(kCarsel.top));
    setPositionHeader(qs(header.numcargo), qs(header.punbasicos), qs(header.proljor), qs(header.jorcom),
                      qs(header.tardif), qs(header.compbas));
    for (QWidget* w : {static_cast<QWidget*>(ui_->Label2), static_cast<QWidget*>(ui_->compbas),
                       static_cast<QWidget*>(ui_->Label14), static_cast<QWidget*>(ui_->proljor),
                       static_cast<QWidget*>(ui_->Label20), static_cast<QWidget*>(ui_->jorcom),
                       static_cast<QWidget*>(ui_->Label21), static_cast<QWidget*>(ui_->tardif)})
        w->setVisible(header.positionPointsShown);
}

// The panel follows the value; its height reaches at least the bottom of
// the window (more when the window is taller than the design) and no
// further than that or its design height.
void PayslipWindow::scrollTo(int value)
{
    const int top = px(kPanelTopAtZero - value);
    const int height = std::max(px(kSosten.height), this->height() - top);
    ui_->sosten->setGeometry(px(kSosten.left), top, px(kSosten.width), height);
}

// The outer height less 400 twips, never below 0, and never past the
// bottom of the client area where its lower arrow would be cut off.
void PayslipWindow::fitScrollBar()
{
    const int outer = frameGeometry().height();
    const int height = std::clamp(outer - px(kScrollBarShortfall), 0, std::max(0, this->height()));
    const QRect design = kMovedor.toPixels();
    ui_->movedor->setGeometry(design.x(), design.y(), design.width(), height);
}

void PayslipWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitScrollBar();
    scrollTo(ui_->movedor->value());
}

void PayslipWindow::wheelEvent(QWheelEvent* event)
{
    QApplication::sendEvent(ui_->movedor, event);
}

void PayslipWindow::onVolver()
{
    setEnabled(false);
    hide();
    emit volverRequested();
}

void PayslipWindow::notify(const QString& text)
{
    if (noticeHandler_) {
        noticeHandler_(text);
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Information, windowTitle(), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

// ---- How each amount was formed, as the tooltip of the cells of its line
// and of the totals. A payslip computed without explanations leaves no
// tooltip of an earlier one behind.
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

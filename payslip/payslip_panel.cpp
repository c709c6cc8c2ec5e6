// The panel "Recibo de haberes": the teacher's name, 27 rows, the grid and
// the totals block that follows the row count.
#include "payslip/controls.h"
#include "payslip/net_warning.h"
#include "payslip/panel_accessible.h"
#include "payslip/panel_frame.h"
#include "payslip/payslip_layout.h"
#include "payslip/payslip_ui.h"
#include "payslip/rules.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>

#include <utility>

namespace haberes {

namespace {

using namespace layout;

QString indexed(const char* name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QLabel* makeCell(QWidget* panel, const QString& name, const TwipRect& place, Qt::Alignment alignment)
{
    QLabel* cell = makeLabel(panel, name, place);
    cell->setAlignment(alignment | Qt::AlignVCenter);
    cell->hide();
    return cell;
}

// Moves a label to a new top, keeping the rest of its box.
void moveTop(QLabel* label, int top)
{
    label->move(label->x(), px(top));
}

} // namespace

void PayslipWindow::Ui::createPanel()
{
    installPanelAccessibility();
    auto* panel = new PanelFrame("Recibo de haberes", window);
    sosten = panel;
    sosten->setObjectName("sosten");
    sosten->setGeometry(kSosten.toPixels());

    Label18 = makeLabel(sosten, "Label18", kLabel18, "Recibo de sueldos de:");
    docente = makeLabel(sosten, "docente", kDocente);

    createRows();
    createGridAndTotals();
    placeTotals(0);

    // Row by row as on paper; each total after its caption.
    QList<QWidget*> order{Label18, docente};
    for (int r = 0; r < kRows; ++r)
        order << cod[r] << Label10[r] << Label19[r] << Label1[r] << Label1[kRows + r];
    order << Label15 << thaberes << Label16 << tdescuentos << Label17 << liquido << avisoLiquido;
    panel->setReadingOrder(order);
    refreshPanelAccessibility(panel);
}

void PayslipWindow::Ui::createRows()
{
    for (int r = 0; r < kRows; ++r) {
        const int top = rowTop(r);
        cod[r] = makeCell(sosten, indexed("cod", r), {kCodLeft, top, kCodWidth, kRowHeight}, Qt::AlignRight);
        Label10[r] = makeCell(sosten, indexed("Label10", r), {kQuantityLeft, top, kQuantityWidth, kRowHeight},
                              Qt::AlignRight);
        Label19[r] = makeCell(sosten, indexed("Label19", r), {kConceptLeft, top, kConceptWidth, kRowHeight},
                              Qt::AlignLeft);
        // The amounts are sized to their text when written.
        Label1[r] = makeCell(sosten, indexed("Label1", r), {kEarningsRight - kCodWidth, top, kCodWidth, kRowHeight},
                             Qt::AlignRight);
        Label1[kRows + r] = makeCell(sosten, indexed("Label1", kRows + r),
                                     {kDeductionsRight - kCodWidth, top, kCodWidth, kRowHeight}, Qt::AlignRight);
        Line8[r] = makeRule(sosten, indexed("Line8", r));
        placeHorizontal(Line8[r], kGridLeft, kGridRight, ruleUnderRow(r));
        Line8[r]->hide();
    }
}

void PayslipWindow::Ui::createGridAndTotals()
{
    Line4 = makeRule(sosten, "Line4");
    placeHorizontal(Line4, kGridLeft, kGridRight, kRowTop);
    Line6 = makeRule(sosten, "Line6");
    Line3[0] = makeRule(sosten, "Line3_0");
    Line3[1] = makeRule(sosten, "Line3_1");
    Line7 = makeRule(sosten, "Line7");
    Line5 = makeRule(sosten, "Line5");
    Line2 = makeRule(sosten, "Line2");
    Line1 = makeRule(sosten, "Line1");

    // A total's box fills the lower part of its band; text at the top of the
    // box stands in the middle of the band.
    const auto caption = [this](const char* name, const char* text) {
        QLabel* label = makeLabel(sosten, name, {kTotalsCaptionLeft, 0, kTotalsCaptionWidth, kTotalsHeight}, text);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    Label15 = caption("Label15", "Total Haberes");
    Label16 = caption("Label16", "Total descuentos");
    Label17 = caption("Label17", "Liquido a pagar");

    // The values' boxes end a little right of the amounts above them; the
    // margin lines their digits up with those amounts.
    const auto value = [this](const char* name, int right, int amountsRight) {
        QLabel* label = makeLabel(sosten, name, {right - kCodWidth, 0, kCodWidth, kTotalsHeight});
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        label->setFont(boldFont);
        label->setContentsMargins(0, 0, px(right) - px(amountsRight), 0);
        return label;
    };
    thaberes = value("thaberes", kThaberesRight, kEarningsRight);
    tdescuentos = value("tdescuentos", kTdescuentosRight, kDeductionsRight);
    liquido = value("liquido", kTdescuentosRight, kDeductionsRight);

    Line15 = makeRule(sosten, "Line15");
    Line16 = makeRule(sosten, "Line16");
    Line17 = makeRule(sosten, "Line17");
    avisoLiquido = makeNetWarning(sosten);
}

void PayslipWindow::Ui::placeTotals(int rows)
{
    this->rows = rows;
    const TotalsBlock block = totalsBlock(rows);
    const std::pair<QFrame*, int> columnRules[] = {{Line1, kLine1X},    {Line2, kLine2X}, {Line3[0], kLine3_0X},
                                                   {Line3[1], kLine3_1X}, {Line5, kLine5X}, {Line7, kLine7X}};
    for (const auto& [rule, x] : columnRules)
        placeVertical(rule, x, kRowTop, block.columnRulesBottom);
    placeHorizontal(Line6, kGridLeft, kGridRight, block.line6);
    moveTop(thaberes, block.haberesTop);
    moveTop(Label15, block.haberesTop);
    placeHorizontal(Line15, kGridLeft, kGridRight, block.line15);
    moveTop(tdescuentos, block.descuentosTop);
    moveTop(Label16, block.descuentosTop);
    placeHorizontal(Line16, kGridLeft, kGridRight, block.line16);
    moveTop(liquido, block.liquidoTop);
    moveTop(Label17, block.liquidoTop);
    placeHorizontal(Line17, kGridLeft, kGridRight, block.line17);
    moveTop(avisoLiquido, block.netWarningTop);
}

} // namespace haberes

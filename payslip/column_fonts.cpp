#include "payslip/column_fonts.h"

#include "engine/payslip.h"
#include "payslip/cell_text.h"
#include "payslip/payslip_layout.h"

#include <algorithm>

namespace haberes {

using namespace layout;

namespace {

CellColumn column(int right, int ruleOnLeft)
{
    return {px(right), px(ruleOnLeft) + 2};
}

} // namespace

CellColumn codeColumn() { return column(kCodLeft + kCodWidth, kLine3_1X); }
CellColumn quantityColumn() { return column(kQuantityLeft + kQuantityWidth, kLine7X); }
CellColumn earningsColumn() { return column(kEarningsRight, kLine2X); }
CellColumn deductionsColumn() { return column(kDeductionsRight, kLine1X); }

ColumnFonts columnFonts(const Payslip& payslip, const QFont& regular, const QFont& bold)
{
    std::vector<FitRequest> codes, quantities, amounts;
    const int rows = std::clamp(payslip.fila(), 0, Payslip::kRows);
    for (int r = 0; r < rows; ++r) {
        const PayslipLine& line = payslip.lines[r];
        codes.push_back({regular, qs(line.code), codeColumn().room()});
        if (line.quantity)
            quantities.push_back({regular, qs(*line.quantity), quantityColumn().room()});
        const CellColumn amountColumn = line.column == Column::earnings ? earningsColumn() : deductionsColumn();
        amounts.push_back({regular, qs(line.text), amountColumn.room()});
    }
    // The totals are fitted apart: a large total should not shrink the rows.
    const std::vector<FitRequest> totals = {{bold, qs(payslip.thaberes), earningsColumn().room()},
                                            {bold, qs(payslip.tdescuentos), deductionsColumn().room()},
                                            {bold, qs(payslip.liquido), deductionsColumn().room()}};
    return {applyFit(regular, commonFit(codes)), applyFit(regular, commonFit(quantities)),
            applyFit(regular, commonFit(amounts)), applyFit(bold, commonFit(totals))};
}

} // namespace haberes

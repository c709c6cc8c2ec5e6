#pragma once
// The right-aligned columns of the table and the one font each gets for a
// payslip: the widest and largest, up to the design font, in which all its
// texts fit, so that a column's texts match whatever the system font.
#include <QFont>

namespace haberes {

struct Payslip;

// A column's right edge and how far left its texts may reach (just right of
// the rule on its left), in pixels of the panel.
struct CellColumn {
    int right;
    int leftLimit;
    int room() const { return right - leftLimit - 1; }
};

CellColumn codeColumn();
CellColumn quantityColumn();
CellColumn earningsColumn();
CellColumn deductionsColumn();

struct ColumnFonts {
    QFont code;
    QFont quantity;
    QFont amount; // both amount columns
    QFont total;  // the three totals, bold
};

ColumnFonts columnFonts(const Payslip& payslip, const QFont& regular, const QFont& bold);

} // namespace haberes

// Rows and the totals block: what each payslip line shows, what an earlier
// payslip leaves behind, and where the totals go for n rows.
#include "payslip_fixture.h"

#include "payslip/payslip_layout.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>

namespace haberes::test {
namespace {

using layout::px;

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class PayslipRows : public PayslipWindowTest {
protected:
    // The text a cell stands for: its tooltip when it had to be shortened.
    static QString fullText(const QLabel* cell)
    {
        return cell->toolTip().isEmpty() ? cell->text() : cell->toolTip();
    }

    void expectRowShows(const PayslipLine& line)
    {
        const int r = line.row;
        SCOPED_TRACE("row " + std::to_string(r));
        EXPECT_TRUE(control<QLabel>("cod", r)->isVisible());
        EXPECT_EQ(fullText(control<QLabel>("cod", r)), qs(line.code));
        EXPECT_TRUE(control<QLabel>("Label19", r)->isVisible());
        EXPECT_EQ(fullText(control<QLabel>("Label19", r)), qs(line.concepto));
        auto* quantity = control<QLabel>("Label10", r);
        EXPECT_EQ(quantity->isVisible(), line.quantity.has_value());
        if (line.quantity) {
            EXPECT_EQ(quantity->text(), qs(*line.quantity));
        }
        const bool earnings = line.column == Column::earnings;
        auto* amount = control<QLabel>("Label1", earnings ? r : 27 + r);
        EXPECT_TRUE(amount->isVisible());
        EXPECT_EQ(amount->text(), qs(line.text)); // never shortened
        EXPECT_FALSE(control<QLabel>("Label1", earnings ? 27 + r : r)->isVisible());
        EXPECT_TRUE(control("Line8", r)->isVisible());
    }

    void expectRowHidden(int r)
    {
        SCOPED_TRACE("row " + std::to_string(r));
        for (const char* cell : {"cod", "Label19", "Label10", "Line8"})
            EXPECT_FALSE(control(cell, r)->isVisible()) << cell;
        EXPECT_FALSE(control("Label1", r)->isVisible());
        EXPECT_FALSE(control("Label1", 27 + r)->isVisible());
    }

    // Where the totals block stands below n rows, in twips: 315 x n plus
    // the design offsets 1050, 1250, 1550, 1650, 1950, 2050 and 2350.
    struct TotalsTwips {
        int rows;
        int line6, haberes, line15, descuentos, line16, liquido, line17; // line17 ends the column rules too
    };
    static constexpr TotalsTwips kTen{10, 4200, 4400, 4700, 4800, 5100, 5200, 5500};                  // 3150
    static constexpr TotalsTwips kEleven{11, 4515, 4715, 5015, 5115, 5415, 5515, 5815};               // 3465
    static constexpr TotalsTwips kTwentyFive{25, 8925, 9125, 9425, 9525, 9825, 9925, 10225};          // 7875
    static constexpr TotalsTwips kTwentySeven{27, 9555, 9755, 10055, 10155, 10455, 10555, 10855};     // 8505

    void expectTotalsAt(const TotalsTwips& b)
    {
        SCOPED_TRACE("rows " + std::to_string(b.rows));
        for (const char* name : {"Label15", "thaberes"})
            EXPECT_EQ(control(name)->y(), px(b.haberes)) << name;
        for (const char* name : {"Label16", "tdescuentos"})
            EXPECT_EQ(control(name)->y(), px(b.descuentos)) << name;
        for (const char* name : {"Label17", "liquido"})
            EXPECT_EQ(control(name)->y(), px(b.liquido)) << name;
        EXPECT_EQ(control("Line6")->y(), px(b.line6));
        EXPECT_EQ(control("Line15")->y(), px(b.line15));
        EXPECT_EQ(control("Line16")->y(), px(b.line16));
        EXPECT_EQ(control("Line17")->y(), px(b.line17));
        for (const char* name : {"Line1", "Line2", "Line3_0", "Line3_1", "Line5", "Line7"}) {
            EXPECT_EQ(control(name)->geometry().top(), px(layout::kRowTop)) << name;
            EXPECT_EQ(control(name)->geometry().bottom(), px(b.line17)) << name;
        }
    }
};

TEST_F(PayslipRows, TotalsBlockOfTenRowsStandsAtItsDesignPlaces)
{
    const Payslip payslip = hoursPayslip();
    window.showPayslip(payslip);
    EXPECT_EQ(control("Label15")->y(), px(4400));
    EXPECT_EQ(control("Label16")->y(), px(4800));
    EXPECT_EQ(control("Label17")->y(), px(5200));
    EXPECT_EQ(control("Line17")->y(), px(5500));
    expectTotalsAt(kTen);
    EXPECT_EQ(control<QLabel>("thaberes")->text(), qs(payslip.thaberes));
    EXPECT_EQ(control<QLabel>("tdescuentos")->text(), qs(payslip.tdescuentos));
    EXPECT_EQ(control<QLabel>("liquido")->text(), qs(payslip.liquido));
}

TEST_F(PayslipRows, EveryLineShowsInItsRowAndOneColumn)
{
    const Payslip payslip = fullPosition();
    window.showPayslip(payslip);
    for (int r = 0; r < payslip.fila(); ++r)
        expectRowShows(payslip.lines[r]);
    for (int r = payslip.fila(); r < 27; ++r)
        expectRowHidden(r);
    // Line 1010 has no quantity at all: its cell is hidden, not blank.
    ASSERT_EQ(payslip.lines[16].code, "1010");
    EXPECT_FALSE(control("Label10", 16)->isVisible());
}

TEST_F(PayslipRows, ShorterPayslipHidesTheRestAndMovesTotalsUp)
{
    window.showPayslip(fullPosition());
    expectTotalsAt(kTwentyFive);
    const Payslip shorter = position604();
    window.showPayslip(shorter);
    for (int r = 0; r < shorter.fila(); ++r)
        expectRowShows(shorter.lines[r]);
    for (int r = shorter.fila(); r < 27; ++r)
        expectRowHidden(r);
    expectTotalsAt(kEleven);
}

TEST_F(PayslipRows, QuantityOfAnEarlierLineDoesNotLinger)
{
    const Payslip before = fullPosition(false);
    ASSERT_TRUE(before.lines[16].quantity.has_value());
    window.showPayslip(before);
    EXPECT_TRUE(control("Label10", 16)->isVisible());
    window.showPayslip(fullPosition(true));
    EXPECT_FALSE(control("Label10", 16)->isVisible());
    window.showPayslip(before);
    EXPECT_TRUE(control("Label10", 16)->isVisible());
}

TEST_F(PayslipRows, TwentySevenLinesFillTheLastRow)
{
    Payslip payslip = fullPosition();
    payslip.append("900", "Descuento A", std::string("1 %"), Currency::pesos(10), Column::deductions);
    payslip.append("901", "Descuento B", std::string("2 %"), Currency::pesos(20), Column::deductions);
    ASSERT_EQ(payslip.fila(), 27);
    window.showPayslip(payslip);
    expectRowShows(payslip.lines[26]);
    EXPECT_EQ(control<QLabel>("Label1", 53)->text(), qs(payslip.lines[26].text));
    EXPECT_FALSE(control("Label1", 26)->isVisible());
    expectTotalsAt(kTwentySeven);
}

// Whatever the system font, no visible text runs out of its box: it is
// narrowed or shrunk, and only a name or a concept is shortened (its whole
// text in the tooltip).
TEST_F(PayslipRows, NoVisibleTextIsCutOff)
{
    Payslip payslip = fullPosition();
    payslip.docente = "María Fernanda Gutiérrez de la Torre y Santamaría";
    payslip.thaberes = AmountText("$ ", Currency::fromTicks(12345678912), ",");
    window.showPayslip(payslip);
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisible())
            continue;
        SCOPED_TRACE(label->objectName().toStdString());
        const QRect room = label->contentsRect();
        if (label->wordWrap()) {
            // A long position name on two lines.
            const QRect text = QFontMetrics(label->font())
                                   .boundingRect(QRect(0, 0, room.width(), 1000), Qt::TextWordWrap, label->text());
            EXPECT_LE(text.width(), room.width());
            EXPECT_LE(text.height(), room.height());
        } else {
            EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), room.width());
        }
    }
    EXPECT_EQ(fullText(control<QLabel>("docente")), qs(payslip.docente));
    EXPECT_EQ(fullText(control<QLabel>("carsel")), qs(payslip.header.carsel));
    EXPECT_EQ(control<QLabel>("thaberes")->text(), qs(payslip.thaberes));
}

} // namespace
} // namespace haberes::test

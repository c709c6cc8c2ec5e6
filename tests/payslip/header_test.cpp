// The header of the position or hours beside the panel, and the controls
// other parts of the program find by name.
#include "payslip_fixture.h"

#include <QLabel>
#include <QLineEdit>

namespace haberes::test {
namespace {

class PayslipHeaderTest : public PayslipWindowTest {
protected:
    void expectPositionPointsShown(bool shown)
    {
        for (const char* name :
             {"Label2", "compbas", "Label14", "proljor", "Label20", "jorcom", "Label21", "tardif"})
            EXPECT_EQ(control(name)->isVisible(), shown) << name;
    }
    QString text(const char* name) const
    {
        if (auto* box = window.findChild<QLineEdit*>(name))
            return box->text();
        return control<QLabel>(name)->text();
    }
};

TEST_F(PayslipHeaderTest, PositionPointsOnlyForAPosition)
{
    window.showPayslip(position604());
    EXPECT_EQ(text("Label11"), "Código del cargo");
    EXPECT_EQ(text("numcargo"), "604");
    EXPECT_EQ(text("punbasicos"), "3146");
    EXPECT_EQ(text("carsel"), "Asesor Pedagógico");
    EXPECT_EQ(text("compbas"), "0");
    expectPositionPointsShown(true);

    window.showPayslip(hoursPayslip());
    EXPECT_EQ(text("Label11"), "Cantidad de horas");
    EXPECT_EQ(text("numcargo"), "24");
    EXPECT_EQ(text("carsel"), "Horas de nivel medio");
    expectPositionPointsShown(false);

    window.showPayslip(position604());
    expectPositionPointsShown(true);
}

TEST_F(PayslipHeaderTest, PositionDialogFillsTheBoxes)
{
    window.setPositionHeader("682", "3146", "400", "500", "300", "200");
    EXPECT_EQ(text("numcargo"), "682");
    EXPECT_EQ(text("punbasicos"), "3146");
    EXPECT_EQ(text("proljor"), "400");
    EXPECT_EQ(text("jorcom"), "500");
    EXPECT_EQ(text("tardif"), "300");
    EXPECT_EQ(text("compbas"), "200");
}

TEST_F(PayslipHeaderTest, OpensHiddenWithEveryNamedControl)
{
    EXPECT_FALSE(window.isVisible());
    for (const char* name :
         {"sosten", "movedor", "docente", "carsel", "Label11", "numcargo", "punbasicos", "Label2", "compbas",
          "Label14", "proljor", "Label20", "jorcom", "Label21", "tardif", "Text1", "Text10", "Text11", "Text12",
          "Volver", "Imprimir", "Salir", "Label3", "Label12", "Label15", "Label16", "Label17", "Label18",
          "thaberes", "tdescuentos", "liquido", "Line1", "Line2", "Line3_0", "Line3_1", "Line4", "Line5", "Line6",
          "Line7", "Line15", "Line16", "Line17"})
        EXPECT_NO_THROW(control(name)) << name;
    for (int i = 2; i <= 9; ++i) {
        EXPECT_TRUE(control(QStringLiteral("Text%1").arg(i))->isHidden());
        EXPECT_EQ(text(qPrintable(QStringLiteral("Text%1").arg(i))), "ZUTEL");
    }
    for (int r = 0; r < 27; ++r)
        for (const char* cell : {"cod", "Label10", "Label19", "Line8"})
            EXPECT_NO_THROW(control(cell, r)) << cell << r;
    EXPECT_NO_THROW(control("Label1", 53));
}

} // namespace
} // namespace haberes::test

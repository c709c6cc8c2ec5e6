// A payslip on view when another scale is chosen: it is computed again under
// that scale, title and amounts together, or closed with the reason.
#include "tests/app/program_fixture.h"

#include "engine/pay_scale.h"
#include "entry/entry_window.h"
#include "entry/position_dialog.h"
#include "entry/scale_choice.h"
#include "payslip/payslip_window.h"
#include "scale/scale_catalog.h"
#include "scale/scale_file.h"

#include <QComboBox>
#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace haberes;
using namespace haberes::test;

namespace {

class ScaleChange : public ProgramTest {
protected:
    QTemporaryDir dir;

    // Offers the built-in scale and the given one, which starts chosen.
    void offer(const PayScale& scale)
    {
        const QString folder = dir.filePath(QStringLiteral("escalas"));
        QDir().mkpath(folder);
        QFile f(QDir(folder).filePath(QStringLiteral("otra.json")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString(writeScale(scale)));
        f.close();
        entry()->scaleChoice()->setCatalog(findScales({folder}), QDate(2026, 12, 9));
        ASSERT_EQ(scaleBox()->count(), 2);
        ASSERT_EQ(scaleBox()->currentIndex(), 0);
    }
    QComboBox* scaleBox() const { return control<QComboBox>(entry(), "escala"); }
    void chooseBuiltin() { scaleBox()->setCurrentIndex(1); }

    static PayScale marzo2011()
    {
        PayScale s = builtinScale();
        s.nombre = "Desde Marzo de 2.011";
        s.tituloRecibo = "Haberes desde Marzo 2.011";
        s.vigenciaAnio = 2011;
        s.vigenciaMes = 3;
        // The point value raised 10 %: $ 0,8947 becomes $ 0,98417.
        s.valorPunto = 0.98417;
        return s;
    }
};

TEST_F(ScaleChange, APayslipOnViewIsComputedAgainUnderTheChosenScale)
{
    offer(marzo2011());
    type(box("docente"), "Pérez, Ana");
    click(button("horasmedio"));
    box("numerohorasmed")->clear();
    type(box("numerohorasmed"), "18");
    calcular();
    ASSERT_NE(payslipWindow(), nullptr);
    ASSERT_TRUE(payslipWindow()->isVisible());
    EXPECT_EQ(payslipText("Label3"), "Haberes desde Marzo 2.011");
    EXPECT_EQ(cell("cod", 0), "001");
    EXPECT_EQ(cell("Label1", 0), "$1146,6958");

    chooseBuiltin();
    EXPECT_TRUE(payslipWindow()->isVisible());
    EXPECT_EQ(payslipText("Label3"), "Haberes desde Julio 2.010");
    EXPECT_EQ(cell("Label1", 0), "$1042,4508");
    EXPECT_EQ(payslipText("docente"), "Pérez, Ana");
    EXPECT_TRUE(notices.isEmpty());

    // And back: the raised amounts with their title.
    scaleBox()->setCurrentIndex(0);
    EXPECT_EQ(payslipText("Label3"), "Haberes desde Marzo 2.011");
    EXPECT_EQ(cell("Label1", 0), "$1146,6958");
}

TEST_F(ScaleChange, AHiddenPayslipIsLeftForTheNextCalcular)
{
    offer(marzo2011());
    click(button("horasmedio"));
    box("numerohorasmed")->clear();
    type(box("numerohorasmed"), "18");
    calcular();
    click(payslipButton("Volver"));
    chooseBuiltin();
    EXPECT_FALSE(payslipWindow()->isVisible());
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_EQ(entry()->errorDialog(), nullptr);
}

TEST_F(ScaleChange, EntriesThatNoLongerComputeCloseThePayslipAndSayWhy)
{
    // A scale whose table lacks the chosen position.
    PayScale s = marzo2011();
    s.cargos = PositionTable({{"700", "Cargo Nuevo", "1000", "0", "0", "0", "10"}});
    offer(s);
    chooseBuiltin();
    choosePosition("604");
    calcular();
    ASSERT_TRUE(payslipWindow()->isVisible());
    EXPECT_EQ(payslipText("Label3"), "Haberes desde Julio 2.010");

    scaleBox()->setCurrentIndex(0);
    EXPECT_FALSE(payslipWindow()->isVisible());
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains(QStringLiteral("Puntos básicos"))) << notices[0].toStdString();
    // The box at fault is shown, in the position dialog.
    EXPECT_EQ(noticeNear, dialog());
}

} // namespace

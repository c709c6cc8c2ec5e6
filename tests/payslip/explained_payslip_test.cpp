// What the payslip window says beyond the amounts: how each amount was
// formed, as the tooltip of its cells, and the notice of a net pay below
// zero.
#include "payslip_fixture.h"

#include "engine/calculate.h"

#include <QAction>

#include "payslip/net_warning.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QPushButton>

namespace haberes::test {
namespace {

class ExplainedPayslip : public PayslipWindowTest {};

Payslip withNet(Payslip p, Currency net)
{
    p.totalliq = net;
    p.liquido = AmountText("$ ", net, ",");
    return p;
}

// In plain sight: inside the client area with the panel at the top, and
// clear of every other control on view.
TEST_F(ExplainedPayslip, NegativeNetPayIsSaidInPlainSight)
{
    auto* warning = control<QLabel>("avisoLiquido");
    for (const Payslip& p : {position604(), hoursPayslip()}) {
        window.showPayslip(withNet(p, Currency::fromTicks(-1)));
        ASSERT_TRUE(warning->isVisible());
        EXPECT_EQ(warning->text(), kNegativeNetWarning);
        EXPECT_TRUE(window.rect().contains(warning->geometry()));
        for (QWidget* other : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == warning || !other->isVisible())
                continue;
            EXPECT_FALSE(other->geometry().intersects(warning->geometry())) << other->objectName().toStdString();
        }
    }
}

TEST_F(ExplainedPayslip, NoNoticeFromZeroUp)
{
    auto* warning = control<QLabel>("avisoLiquido");
    window.showPayslip(withNet(position604(), Currency::fromTicks(-1)));
    ASSERT_TRUE(warning->isVisible());
    window.showPayslip(withNet(position604(), Currency()));
    EXPECT_FALSE(warning->isVisible()) << "a net pay of 0 is not negative";
    window.showPayslip(position604());
    EXPECT_FALSE(warning->isVisible());
}

Payslip explainedPosition()
{
    PayEntries e;
    e.cargo = true;
    e.codigocargo = "000";
    e.puntosbasicos = e.punbas = "1500";
    e.jorcom = e.proljor = e.tardif = e.compbas = "0";
    e.ZUTEL = 1;
    CalcResult r = calculate(e, NumberFormat{","}, builtinScale(), Explain::yes);
    EXPECT_TRUE(r.ok());
    return r.payslip.value_or(Payslip{});
}

// Every cell of a line tells how its amount was formed; the totals tell
// what they add up.
TEST_F(ExplainedPayslip, CellsExplainTheirLine)
{
    const Payslip p = explainedPosition();
    window.showPayslip(p);
    const QString first = QStringLiteral("001 Asign. de la categoría\n1500 puntos × $ 0,8947 = $ 1342,05");
    for (const char* cell : {"cod", "Label10", "Label19", "Label1"})
        EXPECT_EQ(control<QLabel>(cell, 0)->toolTip(), first) << cell;
    const int last = p.fila() - 1;
    ASSERT_EQ(p.lines[last].code, "332");
    EXPECT_TRUE(control<QLabel>("Label1", 27 + last)->toolTip().contains("2 % de $ "));
    EXPECT_TRUE(control<QLabel>("thaberes")->toolTip().startsWith("suma de 6 líneas de haberes = $ "))
        << control<QLabel>("thaberes")->toolTip().toStdString();
    EXPECT_TRUE(control<QLabel>("Label16")->toolTip().startsWith("suma de 1 línea de descuentos"));
    EXPECT_EQ(control<QLabel>("liquido")->toolTip(),
              QString::fromStdString(p.thaberes + " − " + p.tdescuentos + " = " + p.liquido));

    // A payslip computed without explanations leaves none of these behind.
    window.showPayslip(position604());
    EXPECT_EQ(control<QLabel>("cod", 0)->toolTip(), "");
    EXPECT_EQ(control<QLabel>("Label1", 0)->toolTip(), "");
    EXPECT_EQ(control<QLabel>("thaberes")->toolTip(), "");
}

// "Guardar PDF…" (Ctrl+S) writes the paper version to a PDF at any time, no printer asked.
TEST_F(ExplainedPayslip, GuardarPdfWritesThePaperVersion)
{
    QTemporaryDir dir;
    QString suggested;
    QStringList notices;
    PayslipWindow::PrintHooks hooks;
    hooks.pdfPath = [&](const QString& s) {
        suggested = s;
        return dir.filePath("recibo.pdf");
    };
    hooks.printers = [] { return Printers{}; };
    window.setPrintHooks(hooks);
    window.setNoticeHandler([&](const QString& text) { notices << text; });
    window.showPayslip(position604());
    ASSERT_NE(window.pdfAction(), nullptr);
    EXPECT_EQ(window.pdfAction()->text(), "Guardar PDF…");
    EXPECT_EQ(window.pdfAction()->shortcut(), QKeySequence(QKeySequence::Save));
    window.pdfAction()->trigger();
    QFile pdf(dir.filePath("recibo.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << notices.join('\n').toStdString();
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_TRUE(suggested.endsWith(".pdf")) << suggested.toStdString();
    EXPECT_TRUE(window.findChild<QWidget*>("Volver")->isVisible()) << "back on screen";
}

} // namespace
} // namespace haberes::test

// What the payslip window says beyond the amounts: how each amount was
// formed, as the tooltip of its cells, and the notice of a net pay below
// zero.
#include "payslip_fixture.h"

#include "engine/calculate.h"

#include <QAccessible>
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

Payslip explainedPosition();

// Right under "Liquido a pagar", in the panel, in view with the panel at
// the top, clear of every other control of the panel.
TEST_F(ExplainedPayslip, NegativeNetPayIsSaidBesideIt)
{
    auto* warning = control<QLabel>("avisoLiquido");
    auto* panel = control("sosten");
    for (const Payslip& p : {position604(), hoursPayslip()}) {
        window.showPayslip(withNet(p, Currency::fromTicks(-1)));
        ASSERT_TRUE(warning->isVisible());
        EXPECT_TRUE(warning->text().startsWith(kNegativeNetWarning)) << warning->text().toStdString();
        EXPECT_EQ(warning->parentWidget(), panel);
        const QRect net = control("Label17")->geometry();
        EXPECT_GE(warning->y(), net.bottom());
        EXPECT_LE(warning->y() - net.bottom(), 10) << "right under the net pay";
        EXPECT_LE(warning->x(), net.x());
        EXPECT_GE(warning->geometry().right(), control("liquido")->geometry().right());
        EXPECT_TRUE(window.rect().contains(QRect(warning->mapTo(&window, QPoint()), warning->size())));
        for (QWidget* other : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == warning || !other->isVisible() || other->height() <= 1)
                continue;
            EXPECT_FALSE(other->geometry().intersects(warning->geometry())) << other->objectName().toStdString();
        }
    }
}

// The line without which the net pay would not be negative: the one that
// takes the most, the first of equals; none when no single line would do.
TEST_F(ExplainedPayslip, TheNoticeNamesTheLineThatMakesTheNetNegative)
{
    Payslip p;
    p.append("001", "Asign. de la categoría", "", Currency::pesos(100), Column::earnings);
    p.append("201", "IOSPER", "", Currency::pesos(30), Column::deductions);
    p.append("1001", "Aporte jubilatorio", "", Currency::pesos(90), Column::deductions);
    p.append("210", "Seguro", "", Currency::pesos(90), Column::deductions);
    p.totalliq = Currency::pesos(-50); // without either 90 it is 40
    ASSERT_NE(lineMakingNetNegative(p), nullptr);
    EXPECT_EQ(lineMakingNetNegative(p)->code, "1001");
    EXPECT_EQ(netWarningText(p), "¡Atención! Líquido a pagar negativo\nLo vuelve negativo: 1001 Aporte jubilatorio");

    p.totalliq = Currency::pesos(-90); // without 1001 the net pay is 0: not negative
    EXPECT_EQ(lineMakingNetNegative(p)->code, "1001");
    p.totalliq = Currency::pesos(-90) - Currency::fromTicks(1);
    EXPECT_EQ(lineMakingNetNegative(p), nullptr);
    EXPECT_EQ(netWarningText(p), kNegativeNetWarning);
    p.totalliq = Currency();
    EXPECT_EQ(lineMakingNetNegative(p), nullptr);
}

// Announced as an alert each time a payslip shows it, after the focus has
// gone to "Volver"; read as part of the panel, after the net pay.
TEST_F(ExplainedPayslip, TheNoticeIsAnnounced)
{
    auto* warning = control<QLabel>("avisoLiquido");
    QStringList alerts;
    window.setAlertHandler([&](QWidget* notice) {
        EXPECT_EQ(notice, warning);
        EXPECT_TRUE(notice->isVisible());
        EXPECT_EQ(window.focusWidget(), control("Volver")) << "not talked over by the focus";
        alerts << QAccessible::queryAccessibleInterface(notice)->text(QAccessible::Name);
    });
    window.showPayslip(position604());
    EXPECT_TRUE(alerts.isEmpty());
    window.showPayslip(withNet(position604(), Currency::fromTicks(-1)));
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_TRUE(alerts[0].startsWith(kNegativeNetWarning + "\nLo vuelve negativo: ")) << qPrintable(alerts[0]);
    window.showPayslip(withNet(position604(), Currency::fromTicks(-1)));
    EXPECT_EQ(alerts.size(), 2);

    QAccessibleInterface* panel = QAccessible::queryAccessibleInterface(control("sosten"));
    ASSERT_GT(panel->childCount(), 1);
    EXPECT_EQ(panel->child(panel->childCount() - 1)->object(), warning);
    EXPECT_EQ(panel->child(panel->childCount() - 2)->object(), control("liquido"));
}

// The amount cell of a line says how it was formed, as its other cells do.
TEST_F(ExplainedPayslip, TheAmountCellIsExplainedToo)
{
    const Payslip p = explainedPosition();
    window.showPayslip(p);
    const QString first = QStringLiteral("001 Asign. de la categoría\n1500 puntos × $ 0,8947 = $ 1342,05");
    for (const char* cell : {"cod", "Label19", "Label1"})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(control(cell, 0))->text(QAccessible::Description), first)
            << cell;
    const int last = p.fila() - 1;
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(control("Label1", Payslip::kRows + last))
                    ->text(QAccessible::Description)
                    .contains("2 % de $ "));
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

// "Guardar PDF…" (Ctrl+Shift+S) writes the paper version to a PDF at any time, no printer asked.
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
    EXPECT_EQ(window.pdfAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    window.pdfAction()->trigger();
    QFile pdf(dir.filePath("recibo.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << notices.join('\n').toStdString();
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_TRUE(suggested.endsWith(".pdf")) << suggested.toStdString();
    EXPECT_TRUE(window.findChild<QWidget*>("Volver")->isVisible()) << "back on screen";
}

} // namespace
} // namespace haberes::test

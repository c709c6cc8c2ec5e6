// The payslip window through Qt's accessibility interface, as a screen
// reader goes through it; and where the focus is when it opens.
#include "payslip_fixture.h"

#include "payslip/cell_text.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace haberes::test {
namespace {

QString nameOf(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

// Names of the panel's accessible children, in order; fails on any child
// that is not a text (a rule) or says nothing.
QStringList spokenInPanel(QWidget* panel)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(panel);
    QStringList names;
    if (!iface)
        return names;
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (!child) {
            ADD_FAILURE() << "no child " << i;
            continue;
        }
        const QString name = child->text(QAccessible::Name);
        EXPECT_FALSE(name.trimmed().isEmpty()) << "child " << i;
        EXPECT_EQ(child->role(), QAccessible::StaticText) << qPrintable(name);
        EXPECT_EQ(child->parent()->object(), panel) << qPrintable(name);
        EXPECT_EQ(iface->indexOfChild(child), i) << qPrintable(name);
        names << name;
    }
    return names;
}

// What the reader should hear: the name, each row's cells left to right,
// each total after its caption.
QStringList expectedReading(const Payslip& p)
{
    QStringList names{"Recibo de sueldos de:", qs(p.docente)};
    for (int r = 0; r < p.fila(); ++r) {
        const PayslipLine& line = p.lines[r];
        names << qs(line.code);
        if (line.quantity && !(*line.quantity).empty())
            names << qs(*line.quantity);
        names << qs(line.concepto) << qs(line.text);
    }
    names << "Total Haberes" << qs(p.thaberes) << "Total descuentos" << qs(p.tdescuentos) << "Liquido a pagar"
          << qs(p.liquido);
    return names;
}

class PayslipAccessibility : public PayslipWindowTest {};

TEST_F(PayslipAccessibility, EveryTextBoxIsNamedByItsCaption)
{
    window.showPayslip(position604());
    const std::pair<const char*, const char*> boxes[] = {
        {"numcargo", "Código del cargo"},
        {"punbasicos", "Puntaje"},
        {"compbas", "Ptos. Comp Básico"},
        {"proljor", "Prol jorn"},
        {"jorcom", "Jorn Comp"},
        {"tardif", "Tarea dif"},
        {"Text12", "Poné tu comentario"},
        {"Text11", "Poné tu comentario"},
        {"Text1", "Se imprime en blanco y negro"},
        {"Text10", "Fecha y hora del cálculo"},
    };
    for (const auto& [box, caption] : boxes)
        EXPECT_EQ(nameOf(control(box)), QString::fromUtf8(caption)) << box;
    for (int i = 2; i <= 9; ++i)
        EXPECT_EQ(nameOf(control(QStringLiteral("Text%1").arg(i))), "ZUTEL");

    // The code box takes the caption the calculation gives it.
    window.showPayslip(hoursPayslip());
    EXPECT_EQ(nameOf(control("numcargo")), "Cantidad de horas");
}

TEST_F(PayslipAccessibility, ThePanelIsReadRowByRow)
{
    for (const Payslip& p : {position604(), fullPosition(), hoursPayslip(), position604()}) {
        window.showPayslip(p);
        EXPECT_EQ(nameOf(control("sosten")), "Recibo de haberes");
        EXPECT_EQ(spokenInPanel(control("sosten")), expectedReading(p)) << p.fila() << " rows";
    }
}

TEST_F(PayslipAccessibility, AmountsSayTheirColumn)
{
    const Payslip p = position604();
    window.showPayslip(p);
    for (int r = 0; r < p.fila(); ++r) {
        const bool earnings = p.lines[r].column == Column::earnings;
        QAccessibleInterface* amount =
            QAccessible::queryAccessibleInterface(control("Label1", earnings ? r : Payslip::kRows + r));
        EXPECT_EQ(amount->text(QAccessible::Description), earnings ? "Haberes" : "Descuentos") << r;
    }
}

TEST_F(PayslipAccessibility, AShortenedTextIsReadWhole)
{
    Payslip p = position604();
    p.docente = std::string(120, 'x') + " Pérez";
    window.showPayslip(p);
    EXPECT_NE(control<QLabel>("docente")->text(), qs(p.docente)); // shortened on screen
    EXPECT_EQ(nameOf(control("docente")), qs(p.docente));
    // A name that fits again is read as shown.
    window.showPayslip(position604());
    EXPECT_EQ(nameOf(control("docente")), "Ana Pérez");
}

TEST_F(PayslipAccessibility, OpensWithTheFocusOnVolver)
{
    window.showPayslip(position604());
    auto* volver = control<QPushButton>("Volver");
    ASSERT_EQ(window.focusWidget(), volver);
    // A stray keystroke reaches no box.
    QTest::keyClicks(window.focusWidget(), "7");
    EXPECT_EQ(control<QLineEdit>("numcargo")->text(), "604");

    // Also when it comes back for the next payslip, wherever the focus was.
    control<QPlainTextEdit>("Text11")->setFocus();
    QTest::mouseClick(volver, Qt::LeftButton);
    window.showPayslip(hoursPayslip());
    EXPECT_EQ(window.focusWidget(), volver);
}

} // namespace
} // namespace haberes::test

// The payslip window through Qt's accessibility interface, as a screen
// reader goes through it; and where the focus is when it opens.
#include "payslip_fixture.h"

#include "payslip/cell_text.h"
#include "tests/returns_at_once.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
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
        names << qs(line.concepto)
              << qs(line.text) + (line.column == Column::earnings ? " (Haberes)" : " (Descuentos)");
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
        {"Text12", "Indicación del comentario"},
        {"Text11", "Comentario"},
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

TEST_F(PayslipAccessibility, AmountsSayTheirColumnInTheirName)
{
    const Payslip p = position604();
    window.showPayslip(p);
    // Row 0 earns, row 10 deducts.
    ASSERT_EQ(p.lines[0].column, Column::earnings);
    ASSERT_EQ(p.lines[10].column, Column::deductions);
    EXPECT_EQ(nameOf(control("Label1", 0)), qs(p.lines[0].text) + " (Haberes)");
    EXPECT_EQ(nameOf(control("Label1", Payslip::kRows + 10)), qs(p.lines[10].text) + " (Descuentos)");
    // On screen the amount alone.
    EXPECT_EQ(control<QLabel>("Label1", 0)->text(), qs(p.lines[0].text));
}

// The prompt over the comment box and the box itself are two things.
TEST_F(PayslipAccessibility, CommentAndItsPromptAreNamedApart)
{
    QAccessibleInterface* prompt = QAccessible::queryAccessibleInterface(control("Text12"));
    QAccessibleInterface* comment = QAccessible::queryAccessibleInterface(control("Text11"));
    EXPECT_NE(prompt->text(QAccessible::Name), comment->text(QAccessible::Name));
    EXPECT_EQ(comment->text(QAccessible::Name), "Comentario");
    EXPECT_EQ(comment->text(QAccessible::Description), "Poné tu comentario");
    EXPECT_EQ(control<QLineEdit>("Text12")->text(), "Poné tu comentario") << "on screen as before";
}

// "Guardar PDF…" is on screen, in plain sight and to be found by name; it
// opens the save dialog and returns at once.
TEST_F(PayslipAccessibility, GuardarPdfHasItsButton)
{
    for (const Payslip& p : {position604(), hoursPayslip()}) {
        window.showPayslip(p);
        auto* button = control<QPushButton>("GuardarPdf");
        ASSERT_TRUE(button->isVisible());
        EXPECT_EQ(button->text(), "Guardar PDF…");
        EXPECT_EQ(nameOf(button), "Guardar PDF…");
        EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus);
        EXPECT_TRUE(window.rect().contains(button->geometry()));
        for (QWidget* other : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == button || !other->isVisible())
                continue;
            EXPECT_FALSE(other->geometry().intersects(button->geometry())) << other->objectName().toStdString();
        }
    }
    // Tab reaches it between "Imprimir" and "Salir".
    EXPECT_EQ(control("Imprimir")->nextInFocusChain(), control("GuardarPdf"));
    EXPECT_EQ(control("GuardarPdf")->nextInFocusChain(), control("Salir"));

    EXPECT_TRUE(returnsAtOnce([this] { control<QPushButton>("GuardarPdf")->click(); }));
    auto* dialog = window.findChild<QFileDialog*>("dialogoGuardarPdf");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    // Not a second dialog while one is open.
    window.pdfAction()->trigger();
    EXPECT_EQ(window.findChildren<QFileDialog*>().size(), 1);
    dialog->reject();
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

// The program as a teacher uses it: start, choose, calculate, go back,
// correct a box, leave.
#include "tests/app/program_fixture.h"

#include "common/locale_format.h"
#include "engine/calculate.h"
#include "entry/entries_from_windows.h"
#include "entry/entry_window.h"
#include "entry/error_dialog.h"
#include "entry/position_dialog.h"
#include "entry/qt_text.h"
#include "payslip/payslip_window.h"

#include <QDateTime>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>

using namespace haberes;
using namespace haberes::test;

namespace {

using Story = ProgramTest;

TEST_F(Story, StartsWithTheEntryWindowAlone)
{
    EXPECT_TRUE(entry()->isVisible());
    EXPECT_EQ(entry()->objectName(), "ingreso");
    EXPECT_EQ(entry()->positionDialog(), nullptr);
    EXPECT_EQ(entry()->errorDialog(), nullptr);
    EXPECT_EQ(payslipWindow(), nullptr);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible() && w != entry()) << w->objectName().toStdString();
}

TEST_F(Story, CalcularWithoutPayBasisShowsTheMessageAndComputesNothing)
{
    calcular();
    ErrorDialog* error = entry()->errorDialog();
    ASSERT_NE(error, nullptr);
    EXPECT_TRUE(error->isVisible());
    EXPECT_EQ(payslipWindow(), nullptr);
    EXPECT_TRUE(notices.isEmpty());
    // The entry window stays usable beside it.
    EXPECT_TRUE(entry()->isEnabled());
    click(control<QPushButton>(error, "Aceptar"));
    EXPECT_FALSE(error->isVisible());
    EXPECT_EQ(box("docente")->text(), "");
}

TEST_F(Story, APositionPayslipAndBackForAnotherChoice)
{
    type(box("docente"), "Pérez, Ana");
    choosePosition("604");
    EXPECT_TRUE(button("cargo")->isChecked());
    click(button("Option4"));
    click(button("Iosper"));
    calcular();

    ASSERT_NE(payslipWindow(), nullptr);
    EXPECT_TRUE(payslipWindow()->isVisible());
    EXPECT_EQ(cell("cod", 0), "001");
    EXPECT_EQ(cell("Label10", 0), "1");
    EXPECT_EQ(payslipText("docente"), "Pérez, Ana");
    EXPECT_EQ(payslipText("carsel"), "Asesor Pedagógico");
    // The entry window stays open behind it.
    EXPECT_TRUE(entry()->isVisible());

    click(payslipButton("Volver"));
    EXPECT_FALSE(payslipWindow()->isVisible());
    EXPECT_TRUE(entry()->isVisible());
    for (const char* name : {"cargo", "horasmedio", "horassup"})
        EXPECT_FALSE(button(name)->isChecked()) << name;
    for (const char* name : {"cargoselect", "codcarval", "puncarval", "puncompbasval"})
        EXPECT_FALSE(shown(control<QWidget>(entry(), name))) << name;
    EXPECT_EQ(box("docente")->text(), "Pérez, Ana");
    EXPECT_TRUE(button("Option4")->isChecked());
    EXPECT_TRUE(button("Iosper")->isChecked());

    // No pay basis any more.
    calcular();
    ASSERT_NE(entry()->errorDialog(), nullptr);
    EXPECT_TRUE(entry()->errorDialog()->isVisible());
    EXPECT_FALSE(payslipWindow()->isVisible());

    // "Cargo" again: the dialog with its last choice, which "Listo" confirms.
    click(button("cargo"));
    EXPECT_EQ(control<QLineEdit>(dialog(), "codcargo")->text(), "604");
    click(control<QPushButton>(dialog(), "Command1"));
    calcular();
    EXPECT_TRUE(payslipWindow()->isVisible());
    EXPECT_EQ(payslipText("carsel"), "Asesor Pedagógico");
}

TEST_F(Story, ASecondPayslipWithFewerRowsHidesTheRest)
{
    choosePosition("734");
    click(button("Option12"));
    for (const char* name : {"Iosper", "APORTEJUB", "Ley4035", "ZUTEL", "cajacomp"})
        click(button(name));
    calcular();
    const Payslip position = *calculate(entriesFromWindows(*entry()), numberFormat(QLocale())).payslip;
    expectShows(position);

    click(payslipButton("Volver"));
    for (const char* name : {"Ley4035", "ZUTEL", "cajacomp"})
        click(button(name));
    click(button("horasmedio"));
    type(box("numerohorasmed"), "24");
    calcular();
    const Payslip hours = *calculate(entriesFromWindows(*entry()), numberFormat(QLocale())).payslip;
    ASSERT_LT(hours.fila(), position.fila());
    expectShows(hours);
    EXPECT_EQ(payslipText("carsel"), "Horas de nivel medio");
}

TEST_F(Story, NoPayBasisLeavesThePayslipWindowAsItWas)
{
    choosePosition("734");
    calcular();
    const QStringList before = payslipSnapshot();

    // "Salir sin datos" deselects "Cargo": nothing to compute.
    click(button("cargo"));
    click(control<QPushButton>(dialog(), "Command2"));
    calcular();
    EXPECT_TRUE(entry()->errorDialog()->isVisible());
    EXPECT_EQ(payslipSnapshot(), before);
}

TEST_F(Story, ABoxThatDoesNotConvertIsNamedAndFocused)
{
    choosePosition("734");
    click(button("hijos"));
    type(box("cantidadhijos"), "2");
    calcular();
    const QStringList before = payslipSnapshot();

    type(box("cantidadhijos"), "dos");
    box("docente")->setFocus();
    calcular();

    ASSERT_EQ(notices.size(), 1);
    EXPECT_EQ(notices.first(), "La cantidad de \"Hijos\" no es un número: escribí solo cifras, por ejemplo 2");
    EXPECT_EQ(noticeNear, entry());
    EXPECT_EQ(entry()->focusWidget(), box("cantidadhijos"));
    EXPECT_EQ(box("cantidadhijos")->selectedText(), "dos");
    // Nothing changed: the entries, and the payslip the window showed.
    EXPECT_EQ(box("cantidadhijos")->text(), "dos");
    EXPECT_TRUE(button("hijos")->isChecked());
    EXPECT_TRUE(button("cargo")->isChecked());
    EXPECT_EQ(payslipSnapshot(), before);
    EXPECT_TRUE(entry()->errorDialog() == nullptr || !entry()->errorDialog()->isVisible());
}

TEST_F(Story, ARefusedBoxOfTheDialogShowsTheDialog)
{
    choosePosition("822");
    click(button("cargo")); // shows the dialog again
    type(control<QLineEdit>(dialog(), "jorcom"), "mucho");
    dialog()->close();
    EXPECT_TRUE(button("cargo")->isChecked());
    calcular();

    EXPECT_EQ(payslipWindow(), nullptr);
    EXPECT_TRUE(dialog()->isVisible());
    ASSERT_EQ(notices.size(), 1);
    EXPECT_EQ(notices.first(), "\"Jorn. completa\" no es un número: escribí solo cifras, por ejemplo 100");
    EXPECT_EQ(noticeNear, dialog());
    EXPECT_EQ(dialog()->focusWidget(), control<QLineEdit>(dialog(), "jorcom"));
}

TEST_F(Story, TheDecimalSeparatorIsTheLocales)
{
    click(button("horassup"));
    type(box("numerohorassup"), "2.5"); // a point, under a comma locale
    calcular();
    ASSERT_EQ(notices.size(), 1);
    EXPECT_EQ(entry()->focusWidget(), box("numerohorassup"));

    type(box("numerohorassup"), "2,5");
    calcular();
    ASSERT_NE(payslipWindow(), nullptr);
    EXPECT_EQ(cell("Label10", 0), "2,5");
    EXPECT_EQ(notices.size(), 1);
}

TEST_F(Story, ListoCopiesThePointsIntoThePayslipHeader)
{
    choosePosition("604");
    calcular();
    click(payslipButton("Volver"));

    choosePosition("822");
    EXPECT_EQ(payslipText("numcargo"), "822");
    EXPECT_EQ(payslipText("punbasicos"), "971");
    EXPECT_EQ(payslipText("jorcom"), "155");
    EXPECT_EQ(payslipText("compbas"), "170");
    EXPECT_EQ(payslipText("proljor"), "0");
    EXPECT_EQ(payslipText("tardif"), "0");
}

TEST_F(Story, CalculatingTwiceGivesTheSamePayslip)
{
    choosePosition("650");
    click(button("conyuge"));
    click(button("Seguro3011"));
    calcular();
    QStringList first = payslipSnapshot();
    calcular();
    QStringList second = payslipSnapshot();
    // The date may have moved on a minute.
    first.removeIf([](const QString& s) { return s.startsWith("Text10="); });
    second.removeIf([](const QString& s) { return s.startsWith("Text10="); });
    EXPECT_EQ(first, second);
}

TEST_F(Story, ThePayslipCarriesTheDateOfTheCalculation)
{
    choosePosition("604");
    calcular();
    const QString date = payslipText("Text10");
    EXPECT_FALSE(date.isEmpty());
    // Short date and time of the locale: "d/M/yy HH:mm" in es_AR.
    EXPECT_TRUE(QDateTime::fromString(date, QLocale().dateTimeFormat(QLocale::ShortFormat)).isValid())
        << date.toStdString();
}

TEST_F(Story, TheUserIsToldWithoutBlocking)
{
    // The notice the program uses unless a test replaces it.
    const FieldNotice notice = messageBoxNotice();
    notice(entry(), QStringLiteral("primero"));
    notice(entry(), QStringLiteral("segundo"));
    const auto boxes = entry()->findChildren<QMessageBox*>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes.first()->isVisible());
    EXPECT_FALSE(boxes.first()->isModal());
    EXPECT_EQ(boxes.first()->text(), "segundo");
}

TEST_F(Story, SalirEndsTheProgramFromEitherWindow)
{
    QSignalSpy quit(program.get(), &Program::quitRequested);
    choosePosition("604");
    calcular();
    click(payslipButton("Salir"));
    EXPECT_EQ(quit.count(), 1);
    click(button("Command2"));
    EXPECT_EQ(quit.count(), 2);
    entry()->close();
    EXPECT_EQ(quit.count(), 3);
}

} // namespace

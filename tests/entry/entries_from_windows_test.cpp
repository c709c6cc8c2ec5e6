// What "Calcular" reads from the windows: every control lands in its field
// of the pay input record, and the position fields come from the dialog.
#include "entry/entries_from_windows.h"

#include "entry/entry_window.h"
#include "entry/position_dialog.h"
#include "tests/entry/widget_helpers.h"

#include <QLocale>
#include <QPushButton>

using namespace haberes;
using haberes::test::click;
using haberes::test::control;
using haberes::test::pick;
using haberes::test::type;

namespace {

class EntriesFromWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QAbstractButton* button(const char* name) const { return control<QAbstractButton>(&window, name); }
    QLineEdit* box(const char* name) const { return control<QLineEdit>(&window, name); }
    QLineEdit* dialogBox(const char* name) const { return control<QLineEdit>(window.positionDialog(), name); }

    EntryWindow window;
};

TEST_F(EntriesFromWindowsTest, AFreshWindowGivesTheDefaultRecord)
{
    const PayEntries e = entriesFromWindows(window);
    const PayEntries d;
    EXPECT_EQ(e.docente, d.docente);
    EXPECT_EQ(e.cargo, d.cargo);
    EXPECT_EQ(e.horasmedio, d.horasmedio);
    EXPECT_EQ(e.horassup, d.horassup);
    for (const std::string* s : {&e.codigocargo, &e.cargox, &e.puntosbasicos, &e.punbas, &e.jorcom, &e.proljor,
                                 &e.tardif, &e.compbas})
        EXPECT_EQ(*s, "");
    EXPECT_EQ(e.numerohorasmed, d.numerohorasmed);
    EXPECT_EQ(e.numerohorassup, d.numerohorassup);
    EXPECT_EQ(e.numhorascod06, d.numhorascod06);
    EXPECT_EQ(e.numhorasincen, d.numhorasincen);
    EXPECT_EQ(e.numhorascod113, d.numhorascod113);
    EXPECT_EQ(e.Option, d.Option);
    EXPECT_EQ(e.porantig, d.porantig);
    EXPECT_EQ(e.porcantig, d.porcantig);
    EXPECT_EQ(e.zona, -1);
    EXPECT_EQ(e.opincentivo, 1);
    EXPECT_EQ(e.dinasist, d.dinasist);
    EXPECT_EQ(e.cantkm, d.cantkm);
    EXPECT_EQ(e.cantidadhijos, d.cantidadhijos);
    EXPECT_EQ(e.cantidadhijosdisc, d.cantidadhijosdisc);
    for (int flag : {e.transporte, e.hijos, e.hijosdisc, e.conyuge, e.Iosper, e.Osplad, e.APORTEJUB, e.Ley4035,
                     e.ZUTEL, e.cajacomp, e.Seguro3011})
        EXPECT_EQ(flag, 0);
}

TEST_F(EntriesFromWindowsTest, EachCheckBoxFeedsItsOwnField)
{
    const std::pair<const char*, int PayEntries::*> flags[] = {
        {"transporte", &PayEntries::transporte}, {"hijos", &PayEntries::hijos},
        {"hijosdisc", &PayEntries::hijosdisc},   {"conyuge", &PayEntries::conyuge},
        {"Iosper", &PayEntries::Iosper},         {"Osplad", &PayEntries::Osplad},
        {"APORTEJUB", &PayEntries::APORTEJUB},   {"Ley4035", &PayEntries::Ley4035},
        {"ZUTEL", &PayEntries::ZUTEL},           {"cajacomp", &PayEntries::cajacomp},
        {"Seguro3011", &PayEntries::Seguro3011}, {"opincentivo", &PayEntries::opincentivo},
    };
    for (const auto& [name, field] : flags) {
        const int before = entriesFromWindows(window).*field;
        click(button(name));
        const PayEntries e = entriesFromWindows(window);
        EXPECT_EQ(e.*field, 1 - before) << name;
        // ...and no other.
        const PayEntries fresh;
        for (const auto& [other, otherField] : flags) {
            if (other != name) {
                EXPECT_EQ(e.*otherField, fresh.*otherField) << name << " changed " << other;
            }
        }
        click(button(name));
    }
}

TEST_F(EntriesFromWindowsTest, BoxesAreReadAsTyped)
{
    type(box("docente"), "Müller, Björn");
    click(button("horassup"));
    type(box("numerohorassup"), "2,5");
    type(box("numhorascod06"), " 3 ");
    type(box("numhorasincen"), "abc");
    type(box("numhorascod113"), "");
    click(button("transporte"));
    type(box("cantkm"), "120");
    click(button("inasist"));
    type(box("dinasist"), "1,5");
    click(button("hijos"));
    type(box("cantidadhijos"), "3");
    click(button("hijosdisc"));
    type(box("cantidadhijosdisc"), "256");
    click(button("Option5"));

    const PayEntries e = entriesFromWindows(window);
    EXPECT_EQ(e.docente, "Müller, Björn");
    EXPECT_TRUE(e.horassup);
    EXPECT_FALSE(e.cargo);
    EXPECT_FALSE(e.horasmedio);
    EXPECT_EQ(e.numerohorassup, "2,5");
    EXPECT_EQ(e.numerohorasmed, "0");
    EXPECT_EQ(e.numhorascod06, " 3 ");
    EXPECT_EQ(e.numhorasincen, "abc");
    EXPECT_EQ(e.numhorascod113, "");
    EXPECT_EQ(e.cantkm, "120");
    EXPECT_EQ(e.dinasist, "1,5");
    EXPECT_EQ(e.cantidadhijos, "3");
    EXPECT_EQ(e.cantidadhijosdisc, "256");
    for (std::size_t i = 0; i < 12; ++i)
        EXPECT_EQ(e.Option[i], i == 4) << i;
    EXPECT_EQ(e.porantig, 40);
    EXPECT_EQ(e.porcantig, "40 %");
}

TEST_F(EntriesFromWindowsTest, ZoneIsTheChosenEntryWhileItShows)
{
    auto* zona = control<QComboBox>(&window, "zona");
    pick(zona, 2);
    EXPECT_EQ(entriesFromWindows(window).zona, 2);
    pick(zona, 4);
    EXPECT_EQ(entriesFromWindows(window).zona, 4);
    pick(zona, 0);
    EXPECT_EQ(entriesFromWindows(window).zona, 0);
    // Text typed over the entry chooses none.
    zona->lineEdit()->selectAll();
    QTest::keyClicks(zona->lineEdit(), "Lejos");
    EXPECT_EQ(entriesFromWindows(window).zona, -1);
}

TEST_F(EntriesFromWindowsTest, PositionFieldsComeFromTheDialogNotTheEcho)
{
    click(button("cargo"));
    QTest::mouseClick(dialogBox("codcargo"), Qt::LeftButton);
    QTest::keyClicks(dialogBox("codcargo"), "650");
    click(control<QPushButton>(window.positionDialog(), "Command1"));
    // Changed after "Listo": the calculation sees the change, the echo not.
    type(dialogBox("compbas"), "75");

    PayEntries e = entriesFromWindows(window);
    EXPECT_TRUE(e.cargo);
    EXPECT_EQ(e.codigocargo, "650");
    EXPECT_EQ(e.cargox, "Coordinador De Acciones No Formales");
    EXPECT_EQ(e.puntosbasicos, "1740");
    EXPECT_EQ(e.punbas, "1740");
    EXPECT_EQ(e.proljor, "750");
    EXPECT_EQ(e.jorcom, "0");
    EXPECT_EQ(e.tardif, "0");
    EXPECT_EQ(e.compbas, "75");

    // "Salir sin datos": the code column is cleared, the listed points stay.
    click(button("cargo"));
    click(control<QPushButton>(window.positionDialog(), "Command2"));
    e = entriesFromWindows(window);
    EXPECT_FALSE(e.cargo);
    EXPECT_EQ(e.codigocargo, "");
    EXPECT_EQ(e.cargox, "");
    EXPECT_EQ(e.puntosbasicos, "1740");
    EXPECT_EQ(e.punbas, "0");
    EXPECT_EQ(e.compbas, "0");
}

} // namespace

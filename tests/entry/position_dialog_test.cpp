// The position dialog: choosing a row by code and by name, what "Listo" and
// "Salir sin datos" hand on, and what survives between openings.
#include "entry/position_dialog.h"

#include "tests/entry/widget_helpers.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>

using namespace haberes;
using haberes::test::click;
using haberes::test::control;
using haberes::test::pick;
using haberes::test::type;

namespace {

class PositionDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        codcargo = control<QLineEdit>(&dialog, "codcargo");
        cargox = control<QComboBox>(&dialog, "cargox");
        listo = control<QPushButton>(&dialog, "Command1");
        salir = control<QPushButton>(&dialog, "Command2");
    }

    // The five value boxes, in the order punbas, proljor, jorcom, tardif, compbas.
    QStringList values() const
    {
        QStringList v;
        for (const char* name : {"punbas", "proljor", "jorcom", "tardif", "compbas"})
            v << control<QLineEdit>(&dialog, name)->text();
        return v;
    }

    void typeCode(const QString& digits)
    {
        QTest::mouseClick(codcargo, Qt::LeftButton);
        QTest::keyClicks(codcargo, digits);
    }

    PositionDialog dialog;
    QLineEdit* codcargo = nullptr;
    QComboBox* cargox = nullptr;
    QPushButton* listo = nullptr;
    QPushButton* salir = nullptr;
};

TEST_F(PositionDialogTest, OpensWithCodeZeroNoNameEmptyBoxesAndListoEnabled)
{
    EXPECT_EQ(dialog.objectName(), "advertencia");
    EXPECT_EQ(dialog.windowTitle(), "Selección de cargo");
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(codcargo->text(), "0");
    EXPECT_EQ(cargox->currentText(), "");
    EXPECT_EQ(cargox->count(), 311);
    EXPECT_EQ(values(), QStringList({"", "", "", "", ""}));
    EXPECT_TRUE(listo->isEnabled());
    EXPECT_TRUE(listo->isDefault());
    EXPECT_EQ(listo->text(), "Listo");
    EXPECT_EQ(salir->text(), "Salir sin datos");
    EXPECT_TRUE(control<QLineEdit>(&dialog, "punbas")->isReadOnly());
    for (const char* name : {"proljor", "jorcom", "tardif", "compbas"})
        EXPECT_FALSE(control<QLineEdit>(&dialog, name)->isReadOnly()) << name;
}

TEST_F(PositionDialogTest, CaptionsAndTooltipsAreTheSystemsOwn)
{
    EXPECT_EQ(codcargo->toolTip(),
              "Escribí el código del cargo. Si después de escribir las tres cifras no se selecciona el cargo, "
              "volvé a elegir un código correcto.");
    EXPECT_EQ(cargox->toolTip(), "Seleccioná el cargo");
    const std::pair<const char*, const char*> captions[] = {
        {"codcargo", "Código del cargo"}, {"cargox", "Cargo"},          {"punbas", "Puntos básicos"},
        {"proljor", "Prol. de jornada"},  {"jorcom", "Jorn. completa"}, {"tardif", "Tarea diferenc."},
        {"compbas", "Comp básico"},
    };
    for (const auto& [name, caption] : captions) {
        auto* box = control<QWidget>(&dialog, name);
        EXPECT_EQ(box->accessibleName(), QString::fromUtf8(caption)) << name;
        const QString labelName = QStringLiteral("lbl") + QLatin1String(name);
        EXPECT_EQ(control<QLabel>(&dialog, labelName.toLatin1().constData())->text(), QString::fromUtf8(caption));
        if (QByteArray(name) != "codcargo" && QByteArray(name) != "cargox") {
            EXPECT_EQ(box->toolTip(), "Se selecciona automáticamente") << name;
        }
    }
    EXPECT_EQ(control<QLabel>(&dialog, "titulo")->text(), "Seleccioná el cargo o el código del cargo");
}

TEST_F(PositionDialogTest, CodeSelectsOnlyAtTheThirdDigit)
{
    QTest::mouseClick(codcargo, Qt::LeftButton);
    EXPECT_EQ(codcargo->text(), "");
    EXPECT_FALSE(listo->isEnabled());

    QTest::keyClick(codcargo, '6');
    EXPECT_EQ(cargox->currentText(), "");
    EXPECT_EQ(values(), QStringList({"", "", "", "", ""}));
    EXPECT_FALSE(listo->isEnabled());
    QTest::keyClick(codcargo, '0');
    EXPECT_EQ(cargox->currentText(), "");
    EXPECT_FALSE(listo->isEnabled());
    QTest::keyClick(codcargo, '4');
    EXPECT_EQ(cargox->currentText(), "Asesor Pedagógico");
    EXPECT_EQ(cargox->currentIndex(), 3);
    EXPECT_EQ(values(), QStringList({"3146", "0", "0", "0", "0"}));
    EXPECT_TRUE(listo->isEnabled());

    // A fourth character is no code any more.
    QTest::keyClick(codcargo, '0');
    EXPECT_EQ(cargox->currentText(), "");
    EXPECT_EQ(values(), QStringList({"", "", "", "", ""}));
    EXPECT_FALSE(listo->isEnabled());
    QTest::keyClick(codcargo, Qt::Key_Backspace);
    EXPECT_EQ(cargox->currentText(), "Asesor Pedagógico");
    EXPECT_TRUE(listo->isEnabled());
}

TEST_F(PositionDialogTest, FirstRowAndUnknownCodes)
{
    typeCode("999");
    EXPECT_EQ(cargox->currentText(), "Analista Princ Tec Doc");
    EXPECT_EQ(dialog.chosenRow(), 0u);
    EXPECT_TRUE(listo->isEnabled());

    typeCode("123");
    EXPECT_EQ(cargox->currentText(), "");
    EXPECT_EQ(cargox->currentIndex(), -1);
    EXPECT_EQ(values(), QStringList({"", "", "", "", ""}));
    EXPECT_FALSE(listo->isEnabled());
    EXPECT_FALSE(dialog.chosenRow());

    // Blanks around a code make it no code.
    typeCode(" 604");
    EXPECT_FALSE(listo->isEnabled());
}

TEST_F(PositionDialogTest, TwinNamesAreToldApartByTheirRow)
{
    pick(cargox, 14); // the second "Bibliotecario"
    EXPECT_EQ(codcargo->text(), "750");
    EXPECT_EQ(values(), QStringList({"971", "0", "0", "0", "170"}));
    EXPECT_TRUE(listo->isEnabled());

    pick(cargox, 16); // the fourth
    EXPECT_EQ(codcargo->text(), "996");
    EXPECT_EQ(values().first(), "1480");
    EXPECT_EQ(cargox->currentIndex(), 16);

    pick(cargox, 7); // the second "Asistente Social"
    EXPECT_EQ(codcargo->text(), "928");
    EXPECT_EQ(dialog.fields().codigocargo, "928");
}

TEST_F(PositionDialogTest, EachActionSettlesInOnePass)
{
    QSignalSpy codeChanges(codcargo, &QLineEdit::textChanged);
    QSignalSpy nameChanges(cargox, &QComboBox::currentIndexChanged);

    pick(cargox, 14);
    EXPECT_EQ(codeChanges.count(), 1);
    EXPECT_EQ(nameChanges.count(), 1);

    // Picking the row that is already chosen changes nothing.
    pick(cargox, 14);
    EXPECT_EQ(codeChanges.count(), 1);
    EXPECT_EQ(nameChanges.count(), 1);

    // Typing a code moves the name once and leaves the code as typed.
    codeChanges.clear();
    nameChanges.clear();
    QTest::mouseClick(codcargo, Qt::LeftButton);
    QTest::keyClicks(codcargo, "925");
    EXPECT_EQ(codeChanges.count(), 4); // emptied, then three digits
    EXPECT_EQ(nameChanges.count(), 2); // no row on emptying, row 15 at the third digit
    EXPECT_EQ(codcargo->text(), "925");
    EXPECT_EQ(cargox->currentIndex(), 15);
}

TEST_F(PositionDialogTest, TypedNameChoosesNoRow)
{
    typeCode("604");
    QLineEdit* edit = cargox->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, "Bibliotecario");
    QTest::keyClick(edit, Qt::Key_Tab); // leaves the box

    EXPECT_EQ(codcargo->text(), "604");
    EXPECT_EQ(values(), QStringList({"3146", "0", "0", "0", "0"}));
    EXPECT_EQ(dialog.chosenRow(), 3u);
    // ...but it is the name handed on.
    EXPECT_EQ(dialog.texts().cargox, "Bibliotecario");
    EXPECT_EQ(dialog.fields().codigocargo, "604");
}

TEST_F(PositionDialogTest, TypedNameOfAnotherRowWithEnterOrLeavingChoosesNoRow)
{
    pick(cargox, 16); // the fourth "Bibliotecario", 996
    QApplication::setActiveWindow(&dialog);
    QLineEdit* edit = cargox->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "Asistente Social"); // rows 6 and 7
    QTest::keyClick(edit, Qt::Key_Return);
    // What the box signals when the user leaves it (focus changes are not
    // delivered reliably on the offscreen platform).
    Q_EMIT edit->editingFinished();
    EXPECT_EQ(dialog.chosenRow(), 16u);
    EXPECT_EQ(codcargo->text(), "996");
    EXPECT_EQ(values().front(), "1480");
}

TEST_F(PositionDialogTest, PickingAfterTypingRestoresTheName)
{
    pick(cargox, 14);
    cargox->lineEdit()->selectAll();
    QTest::keyClicks(cargox->lineEdit(), "otro");
    pick(cargox, 14);
    EXPECT_EQ(cargox->currentText(), "Bibliotecario");
}

TEST_F(PositionDialogTest, ListoHandsOnTheBoxesAsTyped)
{
    QSignalSpy spy(&dialog, &PositionDialog::listo);
    typeCode("822");
    type(control<QLineEdit>(&dialog, "jorcom"), "200");
    click(listo);

    ASSERT_EQ(spy.count(), 1);
    const auto texts = spy.at(0).at(0).value<PositionTexts>();
    EXPECT_EQ(texts.codcargo, "822");
    EXPECT_EQ(texts.cargox, "Celador Anexo Albergue");
    EXPECT_EQ(texts.punbas, "971");
    EXPECT_EQ(texts.proljor, "0");
    EXPECT_EQ(texts.jorcom, "200");
    EXPECT_EQ(texts.tardif, "0");
    EXPECT_EQ(texts.compbas, "170");
    EXPECT_FALSE(spy.at(0).at(1).toBool());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(PositionDialogTest, ListoWithoutACodeMeansNoPosition)
{
    QSignalSpy spy(&dialog, &PositionDialog::listo);
    click(listo); // fresh: the code box holds "0"
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).value<PositionTexts>().codcargo, "0");
    EXPECT_TRUE(spy.at(0).at(1).toBool());
}

TEST_F(PositionDialogTest, EnterPressesListo)
{
    QSignalSpy spy(&dialog, &PositionDialog::listo);
    typeCode("604");
    QTest::keyClick(codcargo, Qt::Key_Return);
    EXPECT_EQ(spy.count(), 1);
}

TEST_F(PositionDialogTest, SalirSinDatosKeepsTheCodeAndZeroesTheBoxes)
{
    QSignalSpy salirSpy(&dialog, &PositionDialog::salirSinDatos);
    QSignalSpy listoSpy(&dialog, &PositionDialog::listo);
    typeCode("734");
    click(salir);

    EXPECT_EQ(salirSpy.count(), 1);
    EXPECT_EQ(listoSpy.count(), 0);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(codcargo->text(), "734");
    EXPECT_EQ(cargox->currentText(), "");
    EXPECT_EQ(values(), QStringList({"0", "0", "0", "0", "0"}));
    EXPECT_TRUE(listo->isEnabled());
    // The code column lost its entry; the others keep the row.
    const PositionFields f = dialog.fields();
    EXPECT_EQ(f.codigocargo, "");
    EXPECT_EQ(f.puntosbasicos, "1500");

    // Shown again, it is as it was left; the same name picked again
    // restores everything.
    dialog.show();
    EXPECT_EQ(codcargo->text(), "734");
    EXPECT_EQ(values(), QStringList({"0", "0", "0", "0", "0"}));
    pick(cargox, 6);
    EXPECT_EQ(values(), QStringList({"1500", "0", "0", "150", "101"}));
    EXPECT_EQ(dialog.fields().codigocargo, "734");
}

TEST_F(PositionDialogTest, SalirSinDatosLeavesListoDisabled)
{
    typeCode("12");
    click(salir);
    EXPECT_FALSE(listo->isEnabled());
}

TEST_F(PositionDialogTest, CloseControlAndEscapeOnlyHide)
{
    QSignalSpy salirSpy(&dialog, &PositionDialog::salirSinDatos);
    QSignalSpy listoSpy(&dialog, &PositionDialog::listo);
    typeCode("604");
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());

    EXPECT_EQ(codcargo->text(), "604");
    EXPECT_EQ(values().first(), "3146");
    EXPECT_EQ(salirSpy.count(), 0);
    EXPECT_EQ(listoSpy.count(), 0);
}

} // namespace

// The entry window: what it shows at start, which boxes each choice shows,
// hides and resets, the position echo, "Volver", and the message dialog.
#include "entry/entry_window.h"

#include "entry/error_dialog.h"
#include "entry/position_dialog.h"
#include "tests/entry/widget_helpers.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>

using namespace haberes;
using haberes::test::click;
using haberes::test::control;
using haberes::test::pick;
using haberes::test::shown;
using haberes::test::type;

namespace {

const char* const kEcho[] = {"cargoselect",   "codcartit",     "codcarval",    "puncartit",    "puncarval",
                             "punproljortit", "punproljorval", "punjorcomtit", "punjorcomval", "puntardiftit",
                             "puntardifval",  "puncompbastit", "puncompbasval"};
const char* const kHours[] = {"numerohorasmed", "numerohorassup", "numhorascod06", "numhorasincen", "numhorascod113"};
const char* const kHourLabels[] = {"Label3", "Label4", "lblhorascod06", "lblhorasincen", "lblhorascod113"};

class EntryWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <class T = QWidget>
    T* c(const char* name) const
    {
        return control<T>(&window, name);
    }
    QAbstractButton* button(const char* name) const { return c<QAbstractButton>(name); }
    QLineEdit* box(const char* name) const { return c<QLineEdit>(name); }
    QString text(const char* name) const { return box(name)->text(); }
    bool visible(const char* name) const { return shown(c(name)); }

    PositionDialog* dialog() const { return window.positionDialog(); }

    // Selects "Cargo" and, in the dialog, the position with this code.
    void choosePosition(const QString& code)
    {
        click(button("cargo"));
        ASSERT_NE(dialog(), nullptr);
        auto* codcargo = control<QLineEdit>(dialog(), "codcargo");
        QTest::mouseClick(codcargo, Qt::LeftButton);
        QTest::keyClicks(codcargo, code);
    }
    void listo() { click(control<QPushButton>(dialog(), "Command1")); }

    EntryWindow window;
};

TEST_F(EntryWindowTest, OpensWithItsTitleAndTheFocusOnTheName)
{
    EXPECT_EQ(window.objectName(), "ingreso");
    EXPECT_EQ(window.windowTitle(), "Ingreso de datos");
    EXPECT_EQ(window.focusWidget(), c("docente"));
    // Nothing else is created before it is needed.
    EXPECT_EQ(window.positionDialog(), nullptr);
    EXPECT_EQ(window.errorDialog(), nullptr);
}

TEST_F(EntryWindowTest, CaptionsAreTheSystemsOwn)
{
    const std::pair<const char*, const char*> captions[] = {
        {"Frame2", "Categoría"},
        {"cargo", "Cargo"},
        {"horasmedio", "Hs. N. Medio"},
        {"horassup", "Hs. N. Superior"},
        {"codcartit", "Código del cargo"},
        {"puncartit", "Puntaje del cargo"},
        {"punproljortit", "Puntos prol jorn"},
        {"punjorcomtit", "Puntos Jor comp"},
        {"puntardiftit", "Puntos tarea difer"},
        {"puncompbastit", "Comp de Básico"},
        {"Label3", "Número de horas N. Medio"},
        {"Label4", "Número de horas N. Superior"},
        {"lblhorascod06", "Número de horas con código 06"},
        {"lblhorasincen", "Número de horas con incentivo"},
        {"lblhorascod113", "Número de horas con código 113"},
        {"lbldocente", "Apellido y nombre:"},
        {"opincentivo", "Incentivo en cargos"},
        {"transporte", "Transporte"},
        {"mensajekm", "cantidad de km semanales"},
        {"inasist", "Inasistencias Just"},
        {"hijos", "Hijos"},
        {"hijosdisc", "Hijos Diferenc"},
        {"conyuge", "Conyuge"},
        {"Frame3", "Descuentos"},
        {"Iosper", "IOSPER"},
        {"Osplad", "OSPLAD"},
        {"ZUTEL", "ZUTEL"},
        {"APORTEJUB", "Aporte jubilatorio"},
        {"cajacomp", "Caja compensadora"},
        {"Ley4035", "Ley 4035"},
        {"Seguro3011", "Seguro (3011)"},
        {"Frame1", "Antigüedad"},
        {"Command1", "Calcular"},
        {"Command2", "Salir"},
        {"desde", "Desde Julio de 2.010"},
    };
    for (const auto& [name, caption] : captions) {
        QWidget* w = c(name);
        QString shownText;
        if (auto* l = qobject_cast<QLabel*>(w))
            shownText = l->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            shownText = b->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            shownText = g->title();
        EXPECT_EQ(shownText, QString::fromUtf8(caption)) << name;
    }
}

TEST_F(EntryWindowTest, TooltipsAreTheSystemsOwn)
{
    const std::pair<const char*, const char*> tips[] = {
        {"cargo", "Seleccioná para evaluar un cargo"},
        {"horasmedio", "Seleccioná para evaluar horas de nivel medio"},
        {"horassup", "Seleccioná para evaluar horas de nivel superior"},
        {"numerohorasmed", "Ingresá la cantidad de horas"},
        {"numerohorassup", "Ingresá la cantidad de horas"},
        {"numhorascod06", "Ingresá la cantidad de horas"},
        {"numhorasincen", "Ingresá la cantidad de horas"},
        {"numhorascod113", "Ingresá la cantidad de horas"},
        {"opincentivo", "Destildá si no se cobra"},
        {"cantkm", "¿Cuántos Km semanales?"},
        {"inasist", "Hacé clic si tenés inasistencias"},
        {"dinasist", "Cantidad de días."},
        {"cantidadhijos", "¿Cuántos Hijos?"},
        {"cantidadhijosdisc", "¿Cuántos Hijos?"},
        {"porcantig", "Porcentaje de Antigüedad"},
        {"Command1", "Genera el recibo"},
        {"Option1", "0 %"},
        {"Option10", "100 %"},
        {"Option12", "120 %"},
    };
    for (const auto& [name, tip] : tips)
        EXPECT_EQ(c(name)->toolTip(), QString::fromUtf8(tip)) << name;
}

TEST_F(EntryWindowTest, StartsWithTheDefaultContents)
{
    EXPECT_EQ(text("docente"), "");
    for (const char* name : {"cargo", "horasmedio", "horassup", "transporte", "inasist", "hijos", "hijosdisc",
                             "conyuge", "Iosper", "Osplad", "ZUTEL", "APORTEJUB", "cajacomp", "Ley4035", "Seguro3011"})
        EXPECT_FALSE(button(name)->isChecked()) << name;
    EXPECT_TRUE(button("opincentivo")->isChecked());
    EXPECT_EQ(text("Text1"), "Si");
    for (const char* name : kHours)
        EXPECT_EQ(text(name), "0") << name;
    for (const char* name : {"cantkm", "dinasist", "cantidadhijos", "cantidadhijosdisc"})
        EXPECT_EQ(text(name), "0") << name;
    for (int i = 1; i <= 12; ++i)
        EXPECT_FALSE(button(QByteArray("Option" + QByteArray::number(i)).constData())->isChecked()) << i;
    EXPECT_EQ(text("porcantig"), "0 %");
    EXPECT_TRUE(box("porcantig")->isReadOnly());
    EXPECT_EQ(window.porantig(), 0);

    auto* zona = c<QComboBox>("zona");
    EXPECT_TRUE(zona->isEditable());
    EXPECT_EQ(zona->currentIndex(), -1);
    EXPECT_EQ(zona->currentText(), "Ubicación Escuela (Zona)");
    const QStringList items = {"Común", "Alejada radio urbano", "Desfavorable", "Muy desfavorable",
                               "Zona Inhóspita"};
    ASSERT_EQ(zona->count(), items.size());
    for (int i = 0; i < zona->count(); ++i)
        EXPECT_EQ(zona->itemText(i), items[i]);

    EXPECT_TRUE(c<QPushButton>("Command1")->isDefault());
}

TEST_F(EntryWindowTest, DetailBoxesStartHidden)
{
    for (const char* name : kEcho)
        EXPECT_FALSE(visible(name)) << name;
    for (const char* name : kHours)
        EXPECT_FALSE(visible(name)) << name;
    for (const char* name : kHourLabels)
        EXPECT_FALSE(visible(name)) << name;
    for (const char* name : {"mensajekm", "cantkm", "dinasist", "cantidadhijos", "cantidadhijosdisc"})
        EXPECT_FALSE(visible(name)) << name;
    EXPECT_TRUE(visible("porcantig"));
    EXPECT_TRUE(visible("Text1"));
}

TEST_F(EntryWindowTest, HoursMedioShowsItsBoxesAndCargoResetsThem)
{
    click(button("horasmedio"));
    for (const char* name : {"numerohorasmed", "numhorascod06", "numhorasincen", "numhorascod113", "Label3",
                             "lblhorascod06", "lblhorasincen", "lblhorascod113"})
        EXPECT_TRUE(visible(name)) << name;
    EXPECT_FALSE(visible("numerohorassup"));
    EXPECT_FALSE(visible("Label4"));

    type(box("numerohorasmed"), "12");
    type(box("numhorascod06"), "3");
    click(button("cargo"));
    for (const char* name : kHours) {
        EXPECT_FALSE(visible(name)) << name;
        EXPECT_EQ(text(name), "0") << name;
    }
    for (const char* name : kHourLabels)
        EXPECT_FALSE(visible(name)) << name;

    click(button("horasmedio"));
    EXPECT_TRUE(visible("numerohorasmed"));
    EXPECT_EQ(text("numerohorasmed"), "0");
}

TEST_F(EntryWindowTest, SuperiorAfterMedioResetsOnlyTheMedioHours)
{
    click(button("horasmedio"));
    type(box("numerohorasmed"), "12");
    type(box("numhorascod06"), "4");
    type(box("numhorasincen"), "5");
    type(box("numhorascod113"), "6");
    click(button("horassup"));

    EXPECT_EQ(text("numerohorasmed"), "0");
    EXPECT_FALSE(visible("numerohorasmed"));
    EXPECT_FALSE(visible("Label3"));
    EXPECT_TRUE(visible("numerohorassup"));
    EXPECT_TRUE(visible("Label4"));
    EXPECT_EQ(text("numhorascod06"), "4");
    EXPECT_EQ(text("numhorasincen"), "5");
    EXPECT_EQ(text("numhorascod113"), "6");

    type(box("numerohorassup"), "7");
    click(button("horasmedio"));
    EXPECT_EQ(text("numerohorassup"), "0");
    EXPECT_FALSE(visible("numerohorassup"));
    EXPECT_EQ(text("numhorascod06"), "4");
}

TEST_F(EntryWindowTest, CargoOpensTheDialogAndHoursHideIt)
{
    click(button("cargo"));
    ASSERT_NE(dialog(), nullptr);
    PositionDialog* first = dialog();
    EXPECT_TRUE(first->isVisible());
    // The echo waits for "Listo".
    for (const char* name : kEcho)
        EXPECT_FALSE(visible(name)) << name;

    click(button("horassup"));
    EXPECT_FALSE(first->isVisible());
    click(button("cargo"));
    EXPECT_EQ(dialog(), first);
    EXPECT_TRUE(first->isVisible());
}

TEST_F(EntryWindowTest, ListoFillsAndShowsThePositionEcho)
{
    QSignalSpy header(&window, &EntryWindow::positionHeaderChosen);
    choosePosition("734");
    listo();

    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_TRUE(button("cargo")->isChecked());
    for (const char* name : kEcho)
        EXPECT_TRUE(visible(name)) << name;
    EXPECT_EQ(c<QLabel>("cargoselect")->text(), "Asistente Social");
    EXPECT_EQ(c<QLabel>("codcarval")->text(), "734");
    EXPECT_EQ(c<QLabel>("puncarval")->text(), "1500");
    EXPECT_EQ(c<QLabel>("punproljorval")->text(), "0");
    EXPECT_EQ(c<QLabel>("punjorcomval")->text(), "0");
    EXPECT_EQ(c<QLabel>("puntardifval")->text(), "150");
    EXPECT_EQ(c<QLabel>("puncompbasval")->text(), "101");

    ASSERT_EQ(header.count(), 1);
    const auto texts = header.at(0).at(0).value<PositionTexts>();
    EXPECT_EQ(texts.codcargo, "734");
    EXPECT_EQ(texts.punbas, "1500");
    EXPECT_EQ(texts.compbas, "101");

    // Hours hide the echo again.
    click(button("horasmedio"));
    for (const char* name : kEcho)
        EXPECT_FALSE(visible(name)) << name;
}

TEST_F(EntryWindowTest, ListoOnAFreshDialogDeselectsCargo)
{
    click(button("cargo"));
    listo();
    EXPECT_FALSE(button("cargo")->isChecked());
    for (const char* name : kEcho)
        EXPECT_TRUE(visible(name)) << name;
    EXPECT_EQ(c<QLabel>("codcarval")->text(), "0");
    EXPECT_EQ(c<QLabel>("puncarval")->text(), "");
    EXPECT_EQ(c<QLabel>("cargoselect")->text(), "");
}

TEST_F(EntryWindowTest, ListoWithAnEmptiedCodeDeselectsCargo)
{
    click(button("cargo"));
    QTest::mouseClick(control<QLineEdit>(dialog(), "codcargo"), Qt::LeftButton);
    // "Listo" is disabled now; Enter does nothing either.
    EXPECT_FALSE(control<QPushButton>(dialog(), "Command1")->isEnabled());
    QTest::keyClick(control<QLineEdit>(dialog(), "codcargo"), Qt::Key_Return);
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_TRUE(button("cargo")->isChecked());
}

TEST_F(EntryWindowTest, SalirSinDatosDeselectsCargoAndKeepsTheEcho)
{
    choosePosition("604");
    listo();
    click(button("cargo"));
    click(control<QPushButton>(dialog(), "Command2"));

    EXPECT_FALSE(button("cargo")->isChecked());
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_TRUE(visible("codcarval"));
    EXPECT_EQ(c<QLabel>("codcarval")->text(), "604");

    // Selected again: the old code, no name, "0" in the boxes.
    click(button("cargo"));
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(control<QLineEdit>(dialog(), "codcargo")->text(), "604");
    EXPECT_EQ(control<QComboBox>(dialog(), "cargox")->currentText(), "");
    for (const char* name : {"punbas", "proljor", "jorcom", "tardif", "compbas"})
        EXPECT_EQ(control<QLineEdit>(dialog(), name)->text(), "0") << name;
}

TEST_F(EntryWindowTest, ClosingTheDialogKeepsCargoAndAClickBringsItBack)
{
    choosePosition("604");
    dialog()->close();
    EXPECT_TRUE(button("cargo")->isChecked());
    click(button("cargo"));
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(control<QLineEdit>(dialog(), "codcargo")->text(), "604");
}

TEST_F(EntryWindowTest, TypedPointsAreWhatTheEchoShows)
{
    choosePosition("822");
    type(control<QLineEdit>(dialog(), "jorcom"), "700");
    listo();
    EXPECT_EQ(c<QLabel>("punjorcomval")->text(), "700");
}

TEST_F(EntryWindowTest, CheckBoxesShowTheirBoxAndResetItToZero)
{
    const std::pair<const char*, const char*> details[] = {
        {"transporte", "cantkm"},
        {"inasist", "dinasist"},
        {"hijos", "cantidadhijos"},
        {"hijosdisc", "cantidadhijosdisc"},
    };
    for (const auto& [check, detail] : details) {
        click(button(check));
        EXPECT_TRUE(visible(detail)) << detail;
        EXPECT_EQ(text(detail), "0") << detail;
        type(box(detail), "3");
        click(button(check));
        EXPECT_FALSE(visible(detail)) << detail;
        EXPECT_EQ(text(detail), "0") << detail;
        click(button(check));
        EXPECT_TRUE(visible(detail)) << detail;
        EXPECT_EQ(text(detail), "0") << detail;
    }
    EXPECT_TRUE(visible("mensajekm"));
    click(button("transporte"));
    EXPECT_FALSE(visible("mensajekm"));
}

TEST_F(EntryWindowTest, IncentivoEchoesSiOrNo)
{
    click(button("opincentivo"));
    EXPECT_EQ(text("Text1"), "No");
    click(button("opincentivo"));
    EXPECT_EQ(text("Text1"), "Si");
}

TEST_F(EntryWindowTest, SeniorityOptionsSetThePercentage)
{
    const int percentages[] = {0, 10, 15, 30, 40, 50, 60, 70, 80, 100, 110, 120};
    // From the last up, so that Option1 (0 %) comes after a non-zero one.
    for (int i = 12; i >= 1; --i) {
        click(button(QByteArray("Option" + QByteArray::number(i)).constData()));
        EXPECT_EQ(window.porantig(), percentages[i - 1]) << i;
        EXPECT_EQ(text("porcantig"), QString::number(percentages[i - 1]) + " %") << i;
    }
    click(button("Option10"));
    EXPECT_EQ(text("porcantig"), "100 %");
    EXPECT_FALSE(button("Option1")->isChecked());
}

TEST_F(EntryWindowTest, VolverClearsThePayBasisAndKeepsTheRest)
{
    click(button("horasmedio"));
    type(box("numerohorasmed"), "15");
    type(box("numhorascod06"), "2");
    type(box("docente"), "Pérez, Ana");
    click(button("hijos"));
    type(box("cantidadhijos"), "2");
    click(button("Iosper"));
    click(button("Option4"));

    window.returnFromPayslip();

    for (const char* name : {"cargo", "horasmedio", "horassup"})
        EXPECT_FALSE(button(name)->isChecked()) << name;
    for (const char* name : {"numerohorasmed", "numerohorassup", "Label3", "Label4"})
        EXPECT_FALSE(visible(name)) << name;
    // Hidden, not cleared; the coded hours stay where they were.
    EXPECT_EQ(text("numerohorasmed"), "15");
    EXPECT_TRUE(visible("numhorascod06"));
    EXPECT_EQ(text("numhorascod06"), "2");
    EXPECT_EQ(text("docente"), "Pérez, Ana");
    EXPECT_TRUE(button("hijos")->isChecked());
    EXPECT_EQ(text("cantidadhijos"), "2");
    EXPECT_TRUE(button("Iosper")->isChecked());
    EXPECT_TRUE(button("Option4")->isChecked());
    EXPECT_EQ(window.porantig(), 30);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(EntryWindowTest, VolverHidesThePositionEcho)
{
    choosePosition("604");
    listo();
    window.returnFromPayslip();
    EXPECT_FALSE(button("cargo")->isChecked());
    for (const char* name : kEcho)
        EXPECT_FALSE(visible(name)) << name;
    EXPECT_EQ(c<QLabel>("codcarval")->text(), "604");
}

TEST_F(EntryWindowTest, EnterPressesCalcularOrTheFocusedButton)
{
    QSignalSpy calcular(&window, &EntryWindow::calcularRequested);
    QSignalSpy salir(&window, &EntryWindow::salirRequested);
    QTest::keyClick(box("docente"), Qt::Key_Return);
    EXPECT_EQ(calcular.count(), 1);
    click(button("hijos"));
    QTest::keyClick(box("cantidadhijos"), Qt::Key_Enter);
    EXPECT_EQ(calcular.count(), 2);

    c("Command2")->setFocus();
    QTest::keyClick(c("Command2"), Qt::Key_Return);
    EXPECT_EQ(calcular.count(), 2);
    EXPECT_EQ(salir.count(), 1);
}

TEST_F(EntryWindowTest, SalirAndTheCloseControlEndTheProgram)
{
    QSignalSpy salir(&window, &EntryWindow::salirRequested);
    click(button("Command2"));
    EXPECT_EQ(salir.count(), 1);
    window.close();
    EXPECT_EQ(salir.count(), 2);
}

TEST_F(EntryWindowTest, InputsAreNamedByTheCaptionTheUserSees)
{
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>())
        EXPECT_EQ(b->accessibleName(), b->text()) << b->objectName().toStdString();
    for (QLabel* l : window.findChildren<QLabel*>()) {
        if (l->buddy()) {
            EXPECT_EQ(l->buddy()->accessibleName(), l->text()) << l->objectName().toStdString();
        }
    }
    // The boxes of the check boxes go by the check box's caption.
    EXPECT_EQ(c("dinasist")->accessibleName(), "Inasistencias Just");
    EXPECT_EQ(c("cantidadhijos")->accessibleName(), "Hijos");
    EXPECT_EQ(c("cantidadhijosdisc")->accessibleName(), "Hijos Diferenc");
    EXPECT_EQ(c("zona")->accessibleName(), "Ubicación Escuela (Zona)");
    EXPECT_EQ(c("docente")->accessibleName(), "Apellido y nombre:");
}

TEST_F(EntryWindowTest, TabFollowsTheControlsInOrder)
{
    click(button("horasmedio"));
    click(button("hijos"));
    // Of a group of options only the selected one is a Tab stop.
    const char* order[] = {"docente",     "horasmedio", "numerohorasmed", "numhorascod06", "numhorasincen",
                           "numhorascod113", "opincentivo", "transporte", "zona",   "inasist",
                           "hijos",       "cantidadhijos", "hijosdisc",   "conyuge",       "Iosper"};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget* from = c(order[i - 1]);
        QWidget* next = from->nextInFocusChain();
        // Skip what Tab skips (hidden and unfocusable controls) and the
        // edit area inside a choice list.
        while (next != from && (!shown(next) || !(next->focusPolicy() & Qt::TabFocus) || !next->isEnabled() ||
                                from->isAncestorOf(next)))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, c(order[i])) << "after " << order[i - 1] << " comes " << next->objectName().toStdString();
    }
}

// The program speaks to the teacher with "vos", in its credit lines as in
// every caption, tooltip and heading of the window and the position dialog.
TEST_F(EntryWindowTest, SpeaksWithVos)
{
    EXPECT_EQ(c<QLabel>("credito2")->text(), "Elegí el cargo o las horas, completá los datos y presioná «Calcular».");
    EXPECT_EQ(c<QLabel>("credito3")->text(), "Los importes son orientativos; verificalos con la liquidación oficial.");
    EXPECT_EQ(c("inasist")->toolTip(), "Hacé clic si tenés inasistencias");

    const QRegularExpression usted(QStringLiteral(
        "\\b(Elija|elija|Seleccione|seleccione|Ingrese|ingrese|Escriba|escriba|Haga|haga|Deshabilite|"
        "complete|presione|verifíque\\w*|Revise|revise|vuelva a|[Dd]esea|Intente|intente|usted)\\b"));
    QStringList texts;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets += window.showPositionDialog()->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (auto* l = qobject_cast<QLabel*>(w))
            texts << l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            texts << b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w))
            texts << g->title();
    }
    for (const QString& text : texts)
        EXPECT_FALSE(usted.match(text).hasMatch()) << qPrintable(text);
}

// The scale stands on the bottom row, left of "Calcular": there in the Tab
// order and among what a screen reader lists, not beside the title.
TEST_F(EntryWindowTest, TheScaleIsReachedWhereItStands)
{
    const char* order[] = {"Option12", "escala", "abrirescala", "Command1", "Command2"};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget* from = c(order[i - 1]);
        QWidget* next = from->nextInFocusChain();
        while (next != from && (!shown(next) || !(next->focusPolicy() & Qt::TabFocus) || from->isAncestorOf(next)))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, c(order[i])) << "after " << order[i - 1] << " comes " << next->objectName().toStdString();
    }

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&window);
    QStringList listed;
    for (int i = 0; i < iface->childCount(); ++i)
        listed << iface->child(i)->object()->objectName();
    const auto at = [&](const char* name) { return listed.indexOf(QLatin1String(name)); };
    ASSERT_GE(at("eleccionescala"), 0) << qPrintable(listed.join(' '));
    EXPECT_GT(at("eleccionescala"), at("Frame1")) << qPrintable(listed.join(' '));
    EXPECT_GT(at("eleccionescala"), at("Frame3"));
    EXPECT_LT(at("eleccionescala"), at("Command1"));
}

TEST_F(EntryWindowTest, FitsTheScreenAndKeepsItsSizeWhileBoxesComeAndGo)
{
    const QSize start = window.sizeHint();
    EXPECT_LE(start.width(), 1000);
    EXPECT_LE(start.height(), 700);
    for (const char* name : {"transporte", "inasist", "hijos", "hijosdisc"})
        click(button(name));
    click(button("horassup"));
    QApplication::processEvents();
    EXPECT_EQ(window.sizeHint().width(), start.width());
    choosePosition("682"); // the longest name
    listo();
    QApplication::processEvents();
    EXPECT_LE(window.sizeHint().height(), 700);
    EXPECT_EQ(window.sizeHint().width(), start.width());
}

TEST_F(EntryWindowTest, MessageDialogIsCreatedOnceAndAceptarHidesIt)
{
    window.showNoPayBasisMessage();
    ErrorDialog* dialog = window.errorDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->objectName(), "error");
    EXPECT_EQ(dialog->windowTitle(), "Error de selección");
    EXPECT_FALSE(dialog->isModal());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(control<QLabel>(dialog, "mensaje")->text(), "No seleccionaste cargo ni horas");
    auto* aceptar = control<QPushButton>(dialog, "Aceptar");
    EXPECT_EQ(aceptar->text(), "Aceptar");
    EXPECT_TRUE(aceptar->isDefault());

    click(aceptar);
    EXPECT_FALSE(dialog->isVisible());

    window.showNoPayBasisMessage();
    EXPECT_EQ(window.errorDialog(), dialog);
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());

    window.showNoPayBasisMessage();
    QTest::keyClick(dialog, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
}

} // namespace

// The scale window: the read-only view of a scale in the user's locale, a
// new scale typed through the controls, saved and read back, refused values,
// names and files it may not take, the raise, the list of changes and the
// search of positions.
#include "engine/numbers.h"
#include "engine/pay_scale.h"
#include "entry/qt_text.h"
#include "entry/scale_changes_view.h"
#include "entry/scale_raise_dialog.h"
#include "entry/scale_window.h"
#include "scale/scale_file.h"
#include "scale/scale_save.h"
#include "tests/entry/widget_helpers.h"
#include "tests/returns_at_once.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace haberes;
using haberes::test::click;
using haberes::test::control;
using haberes::test::type;

namespace {

const QLocale kArgentina(QLocale::Spanish, QLocale::Argentina);
const QLocale kUnitedStates(QLocale::English, QLocale::UnitedStates);

// Types into a cell as the user does: start editing, type, press Enter.
void editCell(QTableWidget* table, int row, int column, const QString& text)
{
    ASSERT_NE(table, nullptr);
    table->setCurrentCell(row, column);
    table->editItem(table->item(row, column));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_TRUE(editor && table->isAncestorOf(editor)) << "no editor in " << table->objectName().toStdString();
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The view takes the editor's text through a queued call.
    QApplication::processEvents();
    EXPECT_EQ(table->item(row, column)->text(), text);
}

int rowOfCode(const QTableWidget* table, const QString& code)
{
    for (int r = 0; r < table->rowCount(); ++r)
        if (table->item(r, 0)->text() == code)
            return r;
    return -1;
}

QStringList visibleCodes(const QTableWidget* table)
{
    QStringList codes;
    for (int r = 0; r < table->rowCount(); ++r)
        if (!table->isRowHidden(r))
            codes << table->item(r, 0)->text();
    return codes;
}

class ScaleWindowTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("escalas"));
    QStringList notices;
    QStringList asked; // files the window asked to replace
    bool replaceAnswer = false;
    int discardQuestions = 0;
    bool discardAnswer = false;
    std::unique_ptr<ScaleWindow> window;

    void SetUp() override { QLocale::setDefault(kArgentina); }
    void TearDown() override
    {
        window.reset();
        QLocale::setDefault(QLocale::c());
    }

    ScaleWindow* open(ScaleWindow::Mode mode, const PayScale& start = builtinScale())
    {
        window = std::make_unique<ScaleWindow>(start, mode, folder);
        window->setHooks({[this](const QString& path) {
                              asked << path;
                              return replaceAnswer;
                          },
                          [this] {
                              ++discardQuestions;
                              return discardAnswer;
                          },
                          [this](const QString& text) { notices << text; },
                          [] { return QStringList{QStringLiteral("Desde Julio de 2.010")}; }});
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window.get();
    }
    // The group's page, chosen in the list as the user does.
    void showGroup(const QString& name)
    {
        auto* groups = control<QListWidget>(window.get(), "grupos");
        const auto found = groups->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        groups->setCurrentItem(found[0]);
        QApplication::processEvents();
    }
    // The box of a value, its group's page shown.
    QLineEdit* box(const char* path)
    {
        auto* b = control<QLineEdit>(window.get(), path);
        if (b && !haberes::test::shown(b)) {
            auto* groups = control<QListWidget>(window.get(), "grupos");
            auto* pages = control<QStackedWidget>(window.get(), "paginas");
            for (int i = 0; i < pages->count(); ++i)
                if (pages->widget(i)->isAncestorOf(b))
                    groups->setCurrentRow(i);
        }
        return b;
    }
    QLabel* message(const std::string& path)
    {
        return window->findChild<QLabel*>(QString::fromStdString("msj" + path));
    }
    void rename(const QString& name) { type(box("nombre"), name); }
    QStringList files() const { return QDir(folder).entryList(QDir::Files); }
};

} // namespace

TEST_F(ScaleWindowTest, TheViewShowsTheBuiltinValuesWithTheDecimalComma)
{
    open(ScaleWindow::Mode::view);
    EXPECT_EQ(window->objectName(), QStringLiteral("ventanaescala"));
    EXPECT_EQ(window->size(), QSize(900, 650));
    EXPECT_EQ(box("valor_punto")->text(), QStringLiteral("0,8947"));
    EXPECT_EQ(control<QLabel>(window.get(), "refvalor_punto")->text(), QStringLiteral("0,8947"));
    EXPECT_EQ(box("horas_medio.adicional_006.tope")->text(), QStringLiteral("324,3"));
    EXPECT_EQ(box("transporte_029.tasa")->text(), QStringLiteral("0,195344"));
    EXPECT_EQ(box("antiguedad[11]")->text(), QStringLiteral("120"));
    EXPECT_EQ(box("nombre")->text(), QStringLiteral("Desde Julio de 2.010"));
    EXPECT_EQ(box("vigencia")->text(), QStringLiteral("2010-07"));
    // Texts shown as written, whatever the locale.
    EXPECT_EQ(box("descuentos.ley4035_504.cantidad")->text(), QStringLiteral("0,6 %"));
    EXPECT_EQ(box("plus_188.cantidad")->text(), QStringLiteral("7.0"));
    // The quantity of 014 is a number the payslip shows with the user's separator.
    EXPECT_EQ(box("product_014.cantidad")->text(), QStringLiteral("0,7"));

    // Nothing can be typed anywhere, and nothing saved.
    const auto boxes = window->findChildren<QLineEdit*>();
    int valueBoxes = 0;
    for (QLineEdit* b : boxes) {
        if (b->objectName() == QLatin1String("buscarcargo") || b->objectName().isEmpty())
            continue;
        ++valueBoxes;
        EXPECT_TRUE(b->isReadOnly()) << b->objectName().toStdString();
    }
    EXPECT_GT(valueBoxes, 80);
    for (QTableWidget* t : window->findChildren<QTableWidget*>())
        EXPECT_EQ(t->editTriggers(), QAbstractItemView::NoEditTriggers) << t->objectName().toStdString();
    EXPECT_EQ(window->findChild<QPushButton*>(QStringLiteral("guardar")), nullptr);
    EXPECT_EQ(window->findChild<QPushButton*>(QStringLiteral("aumentar")), nullptr);

    // The groups, in the file's order.
    auto* groups = control<QListWidget>(window.get(), "grupos");
    ASSERT_EQ(groups->count(), 12);
    EXPECT_EQ(groups->item(0)->text(), QStringLiteral("Identidad"));
    EXPECT_EQ(groups->item(5)->text(), QStringLiteral("Línea 006 en cargos"));
    EXPECT_EQ(groups->item(11)->text(), QStringLiteral("Cargos"));

    // The tables of 006: 12 seniority rows by 6 and by 2 bands.
    auto* tableA = control<QTableWidget>(window.get(), "adicional_006_cargo.tabla_a.montos");
    auto* tableB = control<QTableWidget>(window.get(), "adicional_006_cargo.tabla_b.montos");
    EXPECT_EQ(tableA->rowCount(), 12);
    EXPECT_EQ(tableA->columnCount(), 6);
    EXPECT_EQ(tableB->rowCount(), 12);
    EXPECT_EQ(tableB->columnCount(), 2);
    EXPECT_EQ(tableA->horizontalHeaderItem(0)->text(), QStringLiteral("Hasta 971"));
    EXPECT_EQ(tableA->horizontalHeaderItem(5)->text(), QStringLiteral("Más de 2220"));
    EXPECT_EQ(tableB->horizontalHeaderItem(1)->text(), QStringLiteral("Más de 971"));
    const PayScale& july = builtinScale();
    EXPECT_EQ(tableA->item(2, 4)->text(),
              QString::fromStdString(formatReal(july.tablaA[2][4].toDouble(), ",")));
    EXPECT_EQ(control<QTableWidget>(window.get(), "cargos")->rowCount(), 311);
}

TEST_F(ScaleWindowTest, TheViewFollowsADecimalPointLocale)
{
    QLocale::setDefault(kUnitedStates);
    open(ScaleWindow::Mode::view);
    EXPECT_EQ(box("valor_punto")->text(), QStringLiteral("0.8947"));
    EXPECT_EQ(control<QLabel>(window.get(), "refhoras_medio.adicional_006.tope")->text(), QStringLiteral("324.3"));
    EXPECT_EQ(box("product_014.cantidad")->text(), QStringLiteral("0.7"));
    EXPECT_EQ(box("descuentos.ley4035_504.cantidad")->text(), QStringLiteral("0,6 %"));
}

TEST_F(ScaleWindowTest, ANewScaleStartsOnItsNameAndEveryValueTakesTyping)
{
    open(ScaleWindow::Mode::create);
    EXPECT_EQ(QApplication::focusWidget(), box("nombre"));
    EXPECT_EQ(control<QListWidget>(window.get(), "grupos")->currentRow(), 0);
    // The month's form shows when its box is emptied.
    EXPECT_EQ(box("vigencia")->placeholderText(), QStringLiteral("año y mes (AAAA-MM)"));
    EXPECT_FALSE(box("valor_punto")->isReadOnly());
    EXPECT_NE(control<QTableWidget>(window.get(), "cargos")->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(ScaleWindowTest, EveryGroupEditedSavedAndReadBackAsTyped)
{
    open(ScaleWindow::Mode::create);
    QSignalSpy saved(window.get(), &ScaleWindow::saved);
    rename(QStringLiteral("Desde Marzo de 2.027"));
    type(box("titulo_recibo"), QStringLiteral("Haberes desde Marzo 2.027"));
    type(box("vigencia"), QStringLiteral("2027-03"));
    type(box("valor_punto"), QStringLiteral("1,2345"));
    type(box("horas_medio.adicional_006.tope"), QStringLiteral("400,5"));
    type(box("horas_superior.incentivo_084.horas_mostradas"), QStringLiteral("20"));
    type(box("antiguedad[1]"), QStringLiteral("12"));
    type(box("zona[4]"), QStringLiteral("125"));
    type(box("adicional_006_cargo.jornada_completa_desde"), QStringLiteral("630"));
    showGroup(QStringLiteral("Línea 006 en cargos"));
    editCell(control<QTableWidget>(window.get(), "adicional_006_cargo.tabla_a.montos"), 2, 4, QStringLiteral("77,25"));
    editCell(control<QTableWidget>(window.get(), "adicional_006_cargo.tabla_b.montos"), 11, 1, QStringLiteral("500"));
    type(box("plus_188.parte"), QStringLiteral("0,08"));
    type(box("product_014.cantidad"), QStringLiteral("0,8"));
    type(box("minimo_172.minimo"), QStringLiteral("1600"));
    type(box("transporte_029.tope"), QStringLiteral("250,75"));
    type(box("hijo_diferenciado_1002"), QStringLiteral("800"));
    type(box("hijo_1001.montos[0]"), QStringLiteral("200"));
    type(box("descuentos.iosper_505.tasa"), QStringLiteral("0,035"));
    type(box("descuentos.iosper_505.cantidad"), QStringLiteral("3,5 %"));
    showGroup(QStringLiteral("Cargos"));
    auto* positions = control<QTableWidget>(window.get(), "cargos");
    const int row604 = rowOfCode(positions, QStringLiteral("604"));
    ASSERT_GE(row604, 0);
    editCell(positions, row604, 2, QStringLiteral("3200"));

    EXPECT_TRUE(window->save()) << notices.join(u'\n').toStdString();
    EXPECT_TRUE(notices.isEmpty()) << notices.join(u'\n').toStdString();
    const QString path = QDir(folder).filePath(scaleFileName("Desde Marzo de 2.027"));
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved[0][0].toString(), path);

    const ScaleFileResult read = readScaleFile(path);
    ASSERT_TRUE(read.scale) << read.error.toStdString();
    PayScale expected = builtinScale();
    expected.nombre = "Desde Marzo de 2.027";
    expected.tituloRecibo = "Haberes desde Marzo 2.027";
    expected.vigenciaAnio = 2027;
    expected.vigenciaMes = 3;
    expected.valorPunto = 1.2345;
    expected.horasMedio.tope006 = Currency::fromTicks(4005000);
    expected.horasSuperior.horasMostradas084 = 20;
    expected.antiguedad[1] = 12;
    expected.zona[4] = 125;
    expected.jornadaCompleta006 = 630;
    expected.tablaA[2][4] = Currency::fromTicks(772500);
    expected.tablaB[11][1] = Currency::pesos(500);
    expected.partePlus = 0.08;
    expected.cantidadProduct = "0.8";
    expected.minimo = Currency::pesos(1600);
    expected.topeKm = Currency::fromTicks(2507500);
    expected.montoHijoDiferenciado = 800;
    expected.montosHijo[0] = 200;
    expected.iosper = {0.035, "3,5 %"};
    std::vector<PositionRecord> rows = builtinScale().cargos.rows();
    rows[static_cast<std::size_t>(row604)].puntosbasicos = "3200";
    expected.cargos = PositionTable(rows);
    EXPECT_TRUE(*read.scale == expected);
    EXPECT_EQ(read.scale->valorPunto, 1.2345);
    EXPECT_EQ(read.scale->horasMedio.tope006, expected.horasMedio.tope006);
    EXPECT_EQ(read.scale->tablaA[2][4], expected.tablaA[2][4]);
    EXPECT_EQ(read.scale->cargos[static_cast<std::size_t>(row604)].puntosbasicos, "3200");
    EXPECT_EQ(read.scale->iosper.cantidad, "3,5 %");

    // Saved: closing asks nothing.
    window->close();
    EXPECT_EQ(discardQuestions, 0);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ScaleWindowTest, AValueOutOfBoundsShowsTheReadersMessageAndNothingIsSaved)
{
    open(ScaleWindow::Mode::create);
    QSignalSpy saved(window.get(), &ScaleWindow::saved);
    rename(QStringLiteral("Desde Abril de 2.027"));
    type(box("valor_punto"), QStringLiteral("1001"));
    // The message a file holding that value gets from the reader.
    const std::string expected =
        "La escala «Desde Abril de 2.027» no es válida: la clave «valor_punto» debe ser un número entre 0 y 1000.";
    QLabel* why = message("valor_punto");
    ASSERT_NE(why, nullptr);
    EXPECT_TRUE(haberes::test::shown(why));
    EXPECT_EQ(why->text(), QString::fromStdString(expected));
    EXPECT_EQ(box("valor_punto")->text(), QStringLiteral("1001"));

    EXPECT_FALSE(window->save());
    ASSERT_EQ(notices.size(), 1);
    EXPECT_NE(notices[0].indexOf(QString::fromStdString(expected)), -1) << notices[0].toStdString();
    EXPECT_TRUE(files().isEmpty());
    EXPECT_EQ(saved.size(), 0);
    // The refused box is the one shown, and has the focus.
    EXPECT_EQ(control<QListWidget>(window.get(), "grupos")->currentRow(), 1);
    EXPECT_EQ(QApplication::focusWidget(), box("valor_punto"));

    // Mended, the message goes and the scale saves.
    type(box("valor_punto"), QStringLiteral("1000"));
    EXPECT_FALSE(haberes::test::shown(why));
    EXPECT_TRUE(window->save());
    EXPECT_EQ(files(), QStringList{scaleFileName("Desde Abril de 2.027")});
}

TEST_F(ScaleWindowTest, ANumberWithTheOtherSeparatorIsRefusedNotMisread)
{
    open(ScaleWindow::Mode::create);
    rename(QStringLiteral("Desde Abril de 2.027"));
    type(box("valor_punto"), QStringLiteral("0.9"));
    EXPECT_TRUE(message("valor_punto")->text().endsWith(QStringLiteral("tiene un punto: usá la coma decimal: 0,9")))
        << message("valor_punto")->text().toStdString();
    EXPECT_FALSE(window->save());
    EXPECT_TRUE(files().isEmpty());
    // A table cell too.
    type(box("valor_punto"), QStringLiteral("0,9"));
    showGroup(QStringLiteral("Línea 006 en cargos"));
    auto* tableA = control<QTableWidget>(window.get(), "adicional_006_cargo.tabla_a.montos");
    editCell(tableA, 0, 0, QStringLiteral("1.000"));
    EXPECT_NE(tableA->item(0, 0)->toolTip().indexOf(QStringLiteral("si son miles")), -1)
        << tableA->item(0, 0)->toolTip().toStdString();
    EXPECT_FALSE(window->save());
    EXPECT_TRUE(files().isEmpty());
    editCell(tableA, 0, 0, QStringLiteral("1000"));
    EXPECT_TRUE(window->save()) << notices.join(u'\n').toStdString();
    const ScaleFileResult read = readScaleFile(QDir(folder).filePath(files().value(0)));
    ASSERT_TRUE(read.scale);
    EXPECT_EQ(read.scale->valorPunto, 0.9);
    EXPECT_EQ(read.scale->tablaA[0][0], Currency::pesos(1000));
}

TEST_F(ScaleWindowTest, UnderADecimalPointTheCommaIsTheOtherSeparator)
{
    QLocale::setDefault(kUnitedStates);
    open(ScaleWindow::Mode::create);
    rename(QStringLiteral("Desde Abril de 2.027"));
    type(box("valor_punto"), QStringLiteral("0,95"));
    EXPECT_EQ(message("valor_punto")->text(),
              QStringLiteral("\"Valor del punto\" tiene una coma: usá el punto decimal: 0.95"));
    type(box("valor_punto"), QStringLiteral("0.95"));
    EXPECT_TRUE(message("valor_punto")->text().isEmpty());
    type(box("product_014.cantidad"), QStringLiteral("0.75"));
    ASSERT_TRUE(window->save()) << notices.join(u'\n').toStdString();
    const ScaleFileResult read = readScaleFile(QDir(folder).filePath(files().value(0)));
    ASSERT_TRUE(read.scale);
    EXPECT_EQ(read.scale->valorPunto, 0.95);
    EXPECT_EQ(read.scale->cantidadProduct, "0.75");
}

TEST_F(ScaleWindowTest, AnInstalledScalesNameIsRefused)
{
    open(ScaleWindow::Mode::create);
    // Still named as the scale it started from.
    EXPECT_FALSE(window->save());
    ASSERT_EQ(notices.size(), 1);
    EXPECT_NE(notices[0].indexOf(QStringLiteral("Ya hay una escala llamada «Desde Julio de 2.010»")), -1)
        << notices[0].toStdString();
    EXPECT_TRUE(files().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), box("nombre"));
}

TEST_F(ScaleWindowTest, AnExistingFileIsReplacedOnlyWhenTheUserSaysSo)
{
    const QString name = QStringLiteral("Desde Mayo de 2.027");
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(scaleFileName(utf8(name)));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("otra escala");
    }
    open(ScaleWindow::Mode::create);
    QSignalSpy saved(window.get(), &ScaleWindow::saved);
    rename(name);
    replaceAnswer = false;
    EXPECT_FALSE(window->save());
    EXPECT_EQ(asked, QStringList{path});
    EXPECT_EQ(saved.size(), 0);
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), QByteArray("otra escala"));
    }
    replaceAnswer = true;
    EXPECT_TRUE(window->save());
    EXPECT_EQ(asked.size(), 2);
    ASSERT_EQ(saved.size(), 1);
    const ScaleFileResult read = readScaleFile(path);
    ASSERT_TRUE(read.scale) << read.error.toStdString();
    EXPECT_EQ(read.scale->nombre, utf8(name));
}

TEST_F(ScaleWindowTest, TenPerCentThroughTheDialogGivesTheWorkedValues)
{
    open(ScaleWindow::Mode::create);
    click(control<QPushButton>(window.get(), "aumentar"));
    auto* dialog = window->findChild<ScaleRaiseDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    // Nothing ticked: refused, nothing raised.
    type(control<QLineEdit>(dialog, "porcentaje"), QStringLiteral("10"));
    click(control<QPushButton>(dialog, "aplicaraumento"));
    EXPECT_TRUE(haberes::test::shown(control<QLabel>(dialog, "mensajeaumento")));
    EXPECT_EQ(box("valor_punto")->text(), QStringLiteral("0,8947"));
    for (const char* group : {"aumentopunto", "aumentohora", "aumentomontos", "aumentofamilia", "aumentominimo"})
        click(control<QCheckBox>(dialog, group));
    click(control<QPushButton>(dialog, "aplicaraumento"));
    QApplication::processEvents();
    EXPECT_FALSE(window->findChild<ScaleRaiseDialog*>() && window->findChild<ScaleRaiseDialog*>()->isVisible());

    // 0.8947 × 1.1 = 0.98417 → 0.9842; 1.094 × 1.1 = 1.2034.
    EXPECT_EQ(box("valor_punto")->text(), QStringLiteral("0,9842"));
    EXPECT_EQ(box("valor_punto_jornada")->text(), QStringLiteral("1,2034"));
    // 10.81 × 1.1 = 11.891 per hour; 324.3 × 1.1 = 356.73 the cap.
    EXPECT_EQ(box("horas_medio.adicional_006.por_hora")->text(), QStringLiteral("11,891"));
    EXPECT_EQ(box("horas_medio.adicional_006.tope")->text(), QStringLiteral("356,73"));
    // 1490 × 1.1 = 1639; 720 × 1.1 = 792; 136 × 1.1 = 149.6 → 150 whole pesos.
    EXPECT_EQ(box("minimo_172.minimo")->text(), QStringLiteral("1639"));
    EXPECT_EQ(box("hijo_diferenciado_1002")->text(), QStringLiteral("792"));
    EXPECT_EQ(box("hijo_1001.montos[1]")->text(), QStringLiteral("150"));
    // Points, percentages, shares and hour limits stay.
    EXPECT_EQ(box("horas_medio.puntos_por_hora")->text(), QStringLiteral("64,73"));
    EXPECT_EQ(box("antiguedad[11]")->text(), QStringLiteral("120"));
    EXPECT_EQ(box("plus_188.parte")->text(), QStringLiteral("0,07"));
    EXPECT_EQ(box("horas_medio.adicional_006.horas_tope")->text(), QStringLiteral("30"));

    // "Cambios" lists them, before and after.
    click(control<QPushButton>(window.get(), "cambios"));
    auto* view = window->findChild<ScaleChangesView*>();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    QTableWidget* changes = view->table();
    auto rowOf = [&](const QString& path) {
        for (int r = 0; r < changes->rowCount(); ++r)
            if (changes->item(r, 1)->toolTip() == path)
                return r;
        return -1;
    };
    const int punto = rowOf(QStringLiteral("valor_punto"));
    ASSERT_GE(punto, 0);
    EXPECT_EQ(changes->item(punto, 0)->text(), QStringLiteral("Puntos (cargos y horas)"));
    EXPECT_EQ(changes->item(punto, 2)->text(), QStringLiteral("0,8947"));
    EXPECT_EQ(changes->item(punto, 3)->text(), QStringLiteral("0,9842"));
    const int tope = rowOf(QStringLiteral("horas_medio.adicional_006.tope"));
    ASSERT_GE(tope, 0);
    EXPECT_EQ(changes->item(tope, 2)->text(), QStringLiteral("324,3"));
    EXPECT_EQ(changes->item(tope, 3)->text(), QStringLiteral("356,73"));
    EXPECT_EQ(rowOf(QStringLiteral("horas_medio.puntos_por_hora")), -1);

    // A value typed afterwards joins the open list.
    const int before = changes->rowCount();
    type(box("zona[1]"), QStringLiteral("25"));
    EXPECT_EQ(changes->rowCount(), before + 1);
    EXPECT_GE(rowOf(QStringLiteral("zona[1]")), 0);
}

TEST_F(ScaleWindowTest, ThePositionsAreFoundByCodeOrName)
{
    open(ScaleWindow::Mode::view);
    showGroup(QStringLiteral("Cargos"));
    auto* positions = control<QTableWidget>(window.get(), "cargos");
    auto* search = control<QLineEdit>(window.get(), "buscarcargo");
    search->setText(QStringLiteral("604"));
    EXPECT_EQ(visibleCodes(positions), QStringList{QStringLiteral("604")});
    EXPECT_EQ(positions->item(rowOfCode(positions, QStringLiteral("604")), 1)->text(),
              QStringLiteral("Asesor Pedagógico"));
    EXPECT_EQ(control<QLabel>(window.get(), "cantidadcargos")->text(), QStringLiteral("1 de 311 cargos"));
    // By name, without the accent and in capitals.
    search->setText(QStringLiteral("ASESOR PEDAGOGICO"));
    const QStringList found = visibleCodes(positions);
    EXPECT_TRUE(found.contains(QStringLiteral("604"))) << found.join(u' ').toStdString();
    for (const QString& code : found) {
        const int r = rowOfCode(positions, code);
        EXPECT_NE(positions->item(r, 1)->text().indexOf(QStringLiteral("Asesor Pedag")), -1);
    }
    search->setText(QString());
    EXPECT_EQ(visibleCodes(positions).size(), 311);
    EXPECT_EQ(control<QLabel>(window.get(), "cantidadcargos")->text(), QStringLiteral("311 cargos"));
}

TEST_F(ScaleWindowTest, ClosingWithUnsavedValuesAsksFirst)
{
    open(ScaleWindow::Mode::create);
    window->close();
    EXPECT_EQ(discardQuestions, 0);
    EXPECT_FALSE(window->isVisible());

    open(ScaleWindow::Mode::create);
    type(box("valor_punto"), QStringLiteral("0,95"));
    discardAnswer = false;
    window->close();
    EXPECT_EQ(discardQuestions, 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(box("valor_punto")->text(), QStringLiteral("0,95"));
    discardAnswer = true;
    click(control<QPushButton>(window.get(), "cerrar"));
    EXPECT_EQ(discardQuestions, 2);
    EXPECT_FALSE(window->isVisible());
}

// Every page and view drawn in turn; for a look at them, HABERES_GRAB_DIR=folder
// writes them as PNGs.
TEST_F(ScaleWindowTest, EveryViewDraws)
{
    const QString to = qEnvironmentVariable("HABERES_GRAB_DIR");
    if (!to.isEmpty())
        QDir().mkpath(to);
    auto grab = [&](QWidget* w, const QString& name) {
        QApplication::processEvents();
        const QPixmap drawn = w->grab();
        EXPECT_EQ(drawn.size(), w->size()) << name.toStdString();
        if (!to.isEmpty()) {
            EXPECT_TRUE(drawn.save(QDir(to).filePath(name + QStringLiteral(".png"))));
        }
    };
    open(ScaleWindow::Mode::view);
    const std::pair<const char*, const char*> pages[] = {
        {"Identidad", "ver-identidad"},         {"Puntos (cargos y horas)", "ver-puntos"},
        {"Horas de nivel medio", "ver-horas-medio"}, {"Antigüedad y zona", "ver-antiguedad"},
        {"Línea 006 en cargos", "ver-006"},     {"Líneas 014, 084, 113, 188 y 440", "ver-014-440"},
        {"Asignaciones familiares", "ver-familia"}, {"Descuentos", "ver-descuentos"},
        {"Cargos", "ver-cargos"},
    };
    for (const auto& [group, file] : pages) {
        showGroup(QString::fromUtf8(group));
        grab(window.get(), QString::fromUtf8(file));
    }
    control<QLineEdit>(window.get(), "buscarcargo")->setText(QStringLiteral("pedagog"));
    grab(window.get(), QStringLiteral("ver-cargos-busqueda"));

    open(ScaleWindow::Mode::create);
    grab(window.get(), QStringLiteral("nueva-identidad"));
    type(box("valor_punto"), QStringLiteral("1001"));
    type(box("valor_punto_jornada"), QStringLiteral("1.2"));
    grab(window.get(), QStringLiteral("nueva-error"));
    type(box("valor_punto"), QStringLiteral("0,8947"));
    type(box("valor_punto_jornada"), QStringLiteral("1,094"));
    showGroup(QStringLiteral("Línea 006 en cargos"));
    editCell(control<QTableWidget>(window.get(), "adicional_006_cargo.tabla_a.montos"), 1, 1, QStringLiteral("1.000"));
    grab(window.get(), QStringLiteral("nueva-006-error"));
    editCell(control<QTableWidget>(window.get(), "adicional_006_cargo.tabla_a.montos"), 1, 1, QStringLiteral("100"));
    click(control<QPushButton>(window.get(), "aumentar"));
    auto* dialog = window->findChild<ScaleRaiseDialog*>();
    ASSERT_NE(dialog, nullptr);
    type(control<QLineEdit>(dialog, "porcentaje"), QStringLiteral("10"));
    click(control<QCheckBox>(dialog, "aumentopunto"));
    click(control<QCheckBox>(dialog, "aumentomontos"));
    grab(dialog, QStringLiteral("aumentar"));
    click(control<QPushButton>(dialog, "aplicaraumento"));
    click(control<QPushButton>(window.get(), "cambios"));
    auto* view = window->findChild<ScaleChangesView*>();
    ASSERT_NE(view, nullptr);
    grab(view, QStringLiteral("cambios"));
    showGroup(QStringLiteral("Puntos (cargos y horas)"));
    grab(window.get(), QStringLiteral("nueva-aumentada"));
}

TEST_F(ScaleWindowTest, SavingAgainReplacesItsOwnFileAfterAsking)
{
    open(ScaleWindow::Mode::create);
    QSignalSpy saved(window.get(), &ScaleWindow::saved);
    rename(QStringLiteral("Desde Junio de 2.027"));
    ASSERT_TRUE(window->save());
    // The owner lists it now; this window may still save over it.
    window->setHooks({[this](const QString& path) {
                          asked << path;
                          return true;
                      },
                      {}, [this](const QString& text) { notices << text; },
                      [] { return QStringList{QStringLiteral("Desde Julio de 2.010"), QStringLiteral("Desde Junio de 2.027")}; }});
    type(box("conyuge_1010"), QStringLiteral("20"));
    EXPECT_TRUE(window->save()) << notices.join(u'\n').toStdString();
    EXPECT_EQ(asked.size(), 1);
    EXPECT_EQ(saved.size(), 2);
    const ScaleFileResult read = readScaleFile(saved[1][0].toString());
    ASSERT_TRUE(read.scale);
    EXPECT_EQ(read.scale->conyuge, Currency::pesos(20));
    // Another name listed by the owner is still refused.
    rename(QStringLiteral("Desde Julio de 2.010"));
    EXPECT_FALSE(window->save());
    EXPECT_EQ(saved.size(), 2);
}

TEST_F(ScaleWindowTest, ARefusedPositionIsMarkedAndBlocksSaving)
{
    open(ScaleWindow::Mode::create);
    rename(QStringLiteral("Desde Julio de 2.027"));
    showGroup(QStringLiteral("Cargos"));
    auto* positions = control<QTableWidget>(window.get(), "cargos");
    const int row = rowOfCode(positions, QStringLiteral("604"));
    ASSERT_GE(row, 0);
    editCell(positions, row, 0, QStringLiteral("12"));
    auto* why = control<QLabel>(window.get(), "msjcargos");
    EXPECT_TRUE(haberes::test::shown(why));
    EXPECT_NE(why->text().indexOf(QStringLiteral("codigocargo")), -1) << why->text().toStdString();
    EXPECT_EQ(positions->item(row, 0)->toolTip(), why->text());
    // Refused while another group is shown and a search hides its row:
    // saving shows the cell.
    control<QLineEdit>(window.get(), "buscarcargo")->setText(QStringLiteral("Bedel"));
    EXPECT_TRUE(positions->isRowHidden(row));
    showGroup(QStringLiteral("Identidad"));
    EXPECT_FALSE(window->save());
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(haberes::test::shown(positions));
    EXPECT_FALSE(positions->isRowHidden(row));
    EXPECT_EQ(positions->currentRow(), row);
    EXPECT_EQ(positions->currentColumn(), 0);
    editCell(positions, row, 0, QStringLiteral("604"));
    EXPECT_FALSE(haberes::test::shown(why));
    EXPECT_TRUE(window->save()) << notices.join(u'\n').toStdString();
}

TEST_F(ScaleWindowTest, WithoutHooksTheQuestionsDoNotHoldUpTheButtons)
{
    const QString name = QStringLiteral("Desde Agosto de 2.027");
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(scaleFileName(utf8(name)));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("otra escala");
    }
    window = std::make_unique<ScaleWindow>(builtinScale(), ScaleWindow::Mode::create, folder);
    window->setHooks({{}, {}, [this](const QString& text) { notices << text; }, [] { return QStringList(); }});
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QSignalSpy saved(window.get(), &ScaleWindow::saved);
    rename(name);

    bool written = true;
    EXPECT_TRUE(haberes::test::returnsAtOnce([&] { written = window->save(); }));
    EXPECT_FALSE(written);
    EXPECT_EQ(saved.size(), 0);
    QMessageBox* question = window->findChild<QMessageBox*>();
    ASSERT_NE(question, nullptr);
    EXPECT_TRUE(question->isVisible());
    EXPECT_NE(question->text().indexOf(QStringLiteral("¿Reemplazarlo")), -1) << question->text().toStdString();
    QAbstractButton* replace = nullptr;
    for (QAbstractButton* b : question->buttons())
        if (b->text() == QStringLiteral("Reemplazar"))
            replace = b;
    click(replace);
    QApplication::processEvents();
    ASSERT_EQ(saved.size(), 1);
    ASSERT_TRUE(readScaleFile(path).scale);

    type(box("conyuge_1010"), QStringLiteral("20"));
    EXPECT_TRUE(haberes::test::returnsAtOnce([&] { window->close(); }));
    EXPECT_TRUE(window->isVisible());
    QMessageBox* discard = nullptr;
    for (QMessageBox* b : window->findChildren<QMessageBox*>())
        if (b->isVisible())
            discard = b;
    ASSERT_NE(discard, nullptr);
    QAbstractButton* lose = nullptr;
    for (QAbstractButton* b : discard->buttons())
        if (b->text() == QStringLiteral("Cerrar sin guardar"))
            lose = b;
    click(lose);
    QApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
}

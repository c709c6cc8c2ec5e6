// Entries kept in a file: saved, opened and computed they give the payslip
// typing gives, haberes-cli computes the same from the file, and a file
// that is refused leaves every window as it was.
#include "tests/app/program_fixture.h"

#include "entry/entries_file.h"
#include "entry/entries_menu.h"
#include "entry/entry_window.h"
#include "entry/position_dialog.h"
#include "payslip/paid_check_window.h"
#include "payslip/payslip_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

using namespace haberes;
using namespace haberes::test;

namespace {

class SavedEntriesTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        useHooks();
    }

    // A new program, as on the next day.
    void restart()
    {
        program = std::make_unique<Program>();
        program->setFieldNotice([this](QWidget*, const QString& message) { notices << message; });
        program->start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(entry()));
        useHooks();
    }

    void useHooks()
    {
        EntriesMenu::Hooks hooks;
        hooks.openPath = [this](const QString& folder) {
            openedIn = folder;
            return pathToOpen;
        };
        hooks.savePath = [this](const QString& suggested) {
            suggestedSave = suggested;
            return pathToSave;
        };
        hooks.notice = [this](const QString& text) { fileNotices << text; };
        hooks.settings = [this] {
            return std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat);
        };
        menu()->setHooks(hooks);
    }

    EntriesMenu* menu() const { return program->entriesMenu(); }
    QString file(const char* name) const { return dir.filePath(QLatin1String(name)); }

    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    static QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // A teacher with a position typed over in the dialog, and nearly every
    // allowance and deduction.
    void typePosition()
    {
        type(box("docente"), "Núñez, José");
        click(button("cargo"));
        auto* codcargo = control<QLineEdit>(dialog(), "codcargo");
        QTest::mouseClick(codcargo, Qt::LeftButton);
        typeKeys(codcargo, "734");
        type(control<QLineEdit>(dialog(), "tardif"), "12,5");
        click(control<QPushButton>(dialog(), "Command1"));
        click(button("Option10"));
        pick(control<QComboBox>(entry(), "zona"), 2);
        click(button("transporte"));
        type(box("cantkm"), "150");
        click(button("inasist"));
        type(box("dinasist"), "2,5");
        click(button("hijos"));
        type(box("cantidadhijos"), "3");
        click(button("hijosdisc"));
        type(box("cantidadhijosdisc"), "1");
        click(button("conyuge"));
        for (const char* name : {"Iosper", "APORTEJUB", "Ley4035", "ZUTEL", "cajacomp", "Seguro3011"})
            click(button(name));
    }

    void typeHours()
    {
        type(box("docente"), "Ruiz, Eva");
        click(button("horassup"));
        type(box("numerohorassup"), "18,5");
        type(box("numhorascod06"), "12");
        type(box("numhorasincen"), "20");
        type(box("numhorascod113"), "6");
        click(button("opincentivo"));
        click(button("Option3"));
        click(button("Osplad"));
        click(button("APORTEJUB"));
    }

    void typeComment(const QString& text)
    {
        control<QPlainTextEdit>(payslipWindow(), "Text11")->setPlainText(text);
    }

    // The payslip on view, the date aside (it is the time of computing).
    QStringList shownPayslip() const
    {
        QStringList s = payslipSnapshot();
        s.removeIf([](const QString& item) { return item.startsWith(QLatin1String("Text10=")); });
        return s;
    }

    // Every control of the entry window and of the position dialog: texts,
    // choices and what is on view.
    QStringList windowsState() const
    {
        QStringList out;
        for (const QWidget* root : {static_cast<const QWidget*>(entry()), static_cast<const QWidget*>(dialog())}) {
            if (!root) {
                out << "no dialog";
                continue;
            }
            out << QStringLiteral("visible=%1").arg(root->isVisible());
            for (QWidget* w : root->findChildren<QWidget*>()) {
                QString item = w->objectName() + (w->isVisible() ? "+" : "-");
                if (auto* b = qobject_cast<QLineEdit*>(w))
                    item += '=' + b->text();
                else if (auto* l = qobject_cast<QLabel*>(w))
                    item += '=' + l->text();
                else if (auto* a = qobject_cast<QAbstractButton*>(w))
                    item += QStringLiteral("=%1%2").arg(a->isChecked()).arg(a->isEnabled());
                else if (auto* c = qobject_cast<QComboBox*>(w))
                    item += QStringLiteral("=%1:%2").arg(c->currentIndex()).arg(c->currentText());
                out << item;
            }
        }
        out << QStringLiteral("porantig=%1").arg(entry()->porantig());
        out << QStringLiteral("comment=%1").arg(payslipWindow() ? payslipWindow()->comment() : QString());
        return out;
    }

    QJsonObject cli(const QString& path) const
    {
        QProcess p;
        p.start(QStringLiteral(HABERES_CLI), {QStringLiteral("--locale"), QStringLiteral("es_AR"), path});
        EXPECT_TRUE(p.waitForFinished(60000)) << "haberes-cli did not finish";
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    }

    void expectShowsCli(const QJsonObject& out) const
    {
        ASSERT_TRUE(out.value("ok").toBool());
        const QJsonArray lines = out.value("lines").toArray();
        ASSERT_GT(lines.size(), 1);
        for (int r = 0; r < 27; ++r) {
            SCOPED_TRACE("row " + std::to_string(r));
            if (r >= lines.size()) {
                EXPECT_FALSE(cellShown("cod", r));
                continue;
            }
            const QJsonObject line = lines.at(r).toObject();
            EXPECT_EQ(cell("cod", r), line.value("code").toString());
            EXPECT_EQ(cell("Label10", r), line.value("quantity").toString());
            const int at = line.value("column").toString() == "earnings" ? r : r + 27;
            EXPECT_EQ(cell("Label1", at), line.value("text").toString());
        }
        const QJsonObject totals = out.value("totals").toObject();
        EXPECT_EQ(payslipText("liquido"), totals.value("liquido").toString());
        EXPECT_EQ(payslipText("docente"), out.value("docente").toString());
        EXPECT_EQ(payslipText("numcargo"), out.value("header").toObject().value("numcargo").toString());
        EXPECT_EQ(payslipText("punbasicos"), out.value("header").toObject().value("punbasicos").toString());
    }

    QTemporaryDir dir;
    QString pathToOpen, pathToSave, openedIn, suggestedSave;
    QStringList fileNotices;
};

// Typed, computed and saved; opened next day and computed: the same payslip,
// the same comment, and haberes-cli agrees with the file.
TEST_F(SavedEntriesTest, SavedOpenedAndComputedIsTheTypedPayslip)
{
    for (bool position : {true, false}) {
        SCOPED_TRACE(position ? "position" : "hours");
        restart();
        if (position)
            typePosition();
        else
            typeHours();
        calcular();
        ASSERT_TRUE(payslipWindow() && payslipWindow()->isVisible());
        typeComment("Revisar\nantigüedad");
        const QStringList typed = shownPayslip();
        const QStringList typedWindows = windowsState();

        pathToSave = file(position ? "cargo.json" : "horas.json");
        menu()->save();
        ASSERT_TRUE(fileNotices.isEmpty()) << fileNotices.join('\n').toStdString();
        EXPECT_TRUE(suggestedSave.endsWith(position ? "Núñez, José.json" : "Ruiz, Eva.json"))
            << suggestedSave.toStdString();
        const QByteArray saved = read(pathToSave);
        EXPECT_EQ(saved.count('\n'), 1);
        EXPECT_TRUE(saved.endsWith('\n'));

        restart();
        pathToOpen = pathToSave;
        menu()->open();
        ASSERT_TRUE(fileNotices.isEmpty()) << fileNotices.join('\n').toStdString();
        EXPECT_FALSE(payslipWindow() && payslipWindow()->isVisible()) << "opening computes nothing";
        if (position) {
            // Selecting "Cargo" shows the dialog; "Listo" confirms it.
            ASSERT_NE(dialog(), nullptr);
            EXPECT_TRUE(dialog()->isVisible());
            EXPECT_EQ(control<QLineEdit>(dialog(), "tardif")->text(), "12,5");
            click(control<QPushButton>(dialog(), "Command1"));
        }
        EXPECT_EQ(windowsState(), typedWindows);
        calcular();
        EXPECT_EQ(shownPayslip(), typed);
        EXPECT_EQ(payslipWindow()->comment(), "Revisar\nantigüedad");

        expectShowsCli(cli(pathToSave));
    }
}

// The paid amounts typed against a payslip are saved with its entries,
// opened again with them, and haberes-cli compares the file's amounts
// exactly as the window does. Nothing typed, nothing saved.
TEST_F(SavedEntriesTest, PaidAmountsSavedAndOpenedAgainAndComparedAsHaberesCliDoes)
{
    typePosition();
    calcular();
    pathToSave = file("sin-cobrado.json");
    menu()->save();
    EXPECT_FALSE(read(pathToSave).contains("cobrado"));

    click(payslipButton("compararCobrado"));
    PaidCheckWindow* check = payslipWindow()->paidCheck();
    ASSERT_TRUE(check->isVisible());
    type(control<QLineEdit>(check, "cobrado_001"), "3000");
    type(control<QLineEdit>(check, "cobrado_332"), "1.5");
    click(control<QPushButton>(check, "agregarCodigo"));
    type(control<QLineEdit>(check, "codigoAgregado_1"), "9");
    type(control<QLineEdit>(check, "cobradoAgregado_1"), "7,25");
    type(control<QLineEdit>(check, "cobrado_liquido"), "10000");
    pathToSave = file("cobrado.json");
    menu()->save();
    // As typed, the refused "1.5" too: the teacher mends it when she opens it.
    EXPECT_TRUE(read(pathToSave).contains(R"("cobrado":{"001":"3000","332":"1.5","9":"7,25","liquido":"10000"})"))
        << read(pathToSave).constData();

    restart();
    pathToOpen = pathToSave;
    menu()->open();
    ASSERT_TRUE(fileNotices.isEmpty()) << fileNotices.join('\n').toStdString();
    click(control<QPushButton>(dialog(), "Command1"));
    calcular();
    check = payslipWindow()->paidCheck();
    EXPECT_EQ(control<QLineEdit>(check, "cobrado_001")->text(), "3000");
    EXPECT_EQ(control<QLineEdit>(check, "cobrado_332")->text(), "1.5");
    EXPECT_EQ(control<QLineEdit>(check, "codigoAgregado_1")->text(), "9");
    EXPECT_EQ(control<QLineEdit>(check, "cobrado_liquido")->text(), "10000");
    EXPECT_EQ(control<QLabel>(check, "marca_001")->text(), "Difiere");

    // haberes-cli refuses the amount the window refuses, with its message.
    const QJsonObject refused = cli(pathToSave);
    EXPECT_EQ(refused.value("field").toString(), "cobrado.332");
    EXPECT_EQ(refused.value("error").toString(), control<QLabel>(check, "avisoControl")->text());

    // Mended and saved: the same comparison, line by line.
    type(control<QLineEdit>(check, "cobrado_332"), "1,5");
    menu()->save();
    const QJsonObject out = cli(pathToSave);
    ASSERT_TRUE(out.value("ok").toBool()) << QJsonDocument(out).toJson().constData();
    const QJsonObject control = out.value("control").toObject();
    const QJsonArray lines = control.value("lines").toArray();
    const PayslipControl& shown = check->check().control;
    ASSERT_EQ(lines.size(), qsizetype(shown.lines.size()));
    const auto canonical = [](const std::optional<Currency>& amount) {
        return amount ? QJsonValue(QString::fromStdString(formatAmount(*amount, "."))) : QJsonValue();
    };
    for (std::size_t i = 0; i < shown.lines.size(); ++i) {
        const QJsonObject line = lines.at(qsizetype(i)).toObject();
        const ControlLine& l = shown.lines[i];
        SCOPED_TRACE(l.code);
        EXPECT_EQ(line.value("code").toString().toStdString(), l.code);
        EXPECT_EQ(line.value("due"), canonical(l.due));
        EXPECT_EQ(line.value("paid"), canonical(l.paid));
        EXPECT_EQ(line.value("difference"), canonical(l.difference));
    }
    EXPECT_EQ(lines.at(0).toObject().value("paid").toString(), "3000");
    EXPECT_EQ(lines.last().toObject().value("code").toString(), "9");
    EXPECT_EQ(lines.last().toObject().value("difference").toString(), "7.25");
    const QJsonObject liquido = control.value("liquido").toObject();
    EXPECT_EQ(liquido.value("paid").toString(), "10000");
    EXPECT_EQ(liquido.value("due"), canonical(shown.liquido.due));
    EXPECT_EQ(liquido.value("difference"), canonical(shown.liquido.difference));

    // A file without amounts clears those typed.
    pathToOpen = file("sin-cobrado.json");
    menu()->open();
    EXPECT_TRUE(check->paidTexts().empty());
}

// Saving what was opened writes the same bytes.
TEST_F(SavedEntriesTest, OpenedAndSavedAgainIsTheSameFile)
{
    typePosition();
    pathToSave = file("a.json");
    menu()->save();
    restart();
    ASSERT_TRUE(menu()->openFile(file("a.json")));
    ASSERT_TRUE(menu()->saveFile(file("b.json")));
    EXPECT_EQ(read(file("a.json")), read(file("b.json")));
}

// Checks that change visibility run as for a user: an unticked box keeps its
// detail hidden, a file without a pay basis clears the one chosen.
TEST_F(SavedEntriesTest, OpeningChoosesThroughTheControls)
{
    click(button("horasmedio"));
    type(box("numerohorasmed"), "12");
    click(button("hijos"));
    type(box("cantidadhijos"), "2");
    click(button("Option12"));
    write(file("f.json"), R"({"docente": "Paz", "cantidadhijos": "3", "transporte": 1, "cantkm": "40",)"
                          R"( "antiguedad": 0, "zona": 4})"
                          "\n");
    ASSERT_TRUE(menu()->openFile(file("f.json"))) << fileNotices.join('\n').toStdString();
    EXPECT_FALSE(button("horasmedio")->isChecked());
    EXPECT_FALSE(shown(box("numerohorasmed")));
    EXPECT_FALSE(button("hijos")->isChecked());
    EXPECT_FALSE(shown(box("cantidadhijos")));
    EXPECT_EQ(box("cantidadhijos")->text(), "3");
    EXPECT_TRUE(shown(box("cantkm")));
    EXPECT_EQ(box("cantkm")->text(), "40");
    EXPECT_FALSE(button("Option12")->isChecked());
    EXPECT_EQ(entry()->porantig(), 0);
    EXPECT_EQ(box("porcantig")->text(), "0 %");
    EXPECT_EQ(control<QComboBox>(entry(), "zona")->currentText(), "Zona Inhóspita");
    EXPECT_EQ(dialog(), nullptr) << "no position in the file, no dialog";
}

struct BadFile {
    const char* name;
    QByteArray content;
    const char* named; // what the message must name besides the file
};

// Refused whole, with the file and the key named; nothing changes.
TEST_F(SavedEntriesTest, RefusedFilesChangeNothing)
{
    typePosition();
    calcular();
    typeComment("nota");
    const QStringList before = windowsState();
    const QStringList payslip = shownPayslip();

    const BadFile bad[] = {
        {"vacio.json", "", "vacío"},
        {"texto.json", "Núñez 734\n", "texto.json"},
        {"clave.json", R"({"docente": "X", "sueldo": "1"})", "sueldo"},
        {"tipo.json", R"({"docente": "X", "hijos": "1"})", "hijos"},
        {"comentario.json", R"({"comentario": 3})", "comentario"},
        {"dos.json", R"({"cargo": true, "horassup": true})", "cargo"},
        {"lineas.json", "{\"docente\": \"X\"}\n{\"docente\": \"Y\"}\n", "una línea"},
        {"puntos.json", R"({"codigocargo": "734", "puntosbasicos": "9999"})", "puntosbasicos"},
        {"corto.json", R"({"docente": "X")", "corto.json"},
        {"largo.json", QByteArray(R"({"docente": ")") + QByteArray(40000, 'a') + R"("})", "docente"},
    };
    for (const BadFile& b : bad) {
        SCOPED_TRACE(b.name);
        write(file(b.name), b.content);
        fileNotices.clear();
        pathToOpen = file(b.name);
        menu()->open();
        ASSERT_EQ(fileNotices.size(), 1);
        EXPECT_TRUE(fileNotices[0].contains(QLatin1String(b.name))) << fileNotices[0].toStdString();
        EXPECT_TRUE(fileNotices[0].contains(QString::fromUtf8(b.named))) << fileNotices[0].toStdString();
        EXPECT_EQ(windowsState(), before);
        EXPECT_EQ(shownPayslip(), payslip);
    }
    fileNotices.clear();
    EXPECT_FALSE(menu()->openFile(file("no-existe.json")));
    EXPECT_FALSE(menu()->openFile(dir.path()));
    EXPECT_EQ(fileNotices.size(), 2);
    EXPECT_EQ(windowsState(), before);
    EXPECT_TRUE(menu()->recentFiles().isEmpty());
}

// A save that fails is said, and the file saved before stays whole.
TEST_F(SavedEntriesTest, AFailedSaveKeepsTheOldFile)
{
    typeHours();
    ASSERT_TRUE(menu()->saveFile(file("datos.json")));
    const QByteArray old = read(file("datos.json"));
    type(box("docente"), "Otra persona");

    EXPECT_FALSE(menu()->saveFile(dir.filePath("no/hay/carpeta.json")));
    ASSERT_EQ(fileNotices.size(), 1);
    EXPECT_TRUE(fileNotices[0].contains("carpeta.json"));

    QString error;
    EXPECT_FALSE(writeEntriesFile(file("datos.json"), "{}\n", error, [](QSaveFile& f) { f.cancelWriting(); }));
    EXPECT_TRUE(error.contains("datos.json"));
    EXPECT_EQ(read(file("datos.json")), old);
    const QStringList left = QDir(dir.path()).entryList(QDir::Files);
    EXPECT_EQ(left, QStringList({"datos.json", "settings.ini"})) << "no temporary file left behind";
}

// The last files used, newest first, at most five; a vanished one is forgotten.
TEST_F(SavedEntriesTest, RecentFilesNewestFirst)
{
    for (int i = 0; i < 7; ++i)
        ASSERT_TRUE(menu()->saveFile(dir.filePath(QStringLiteral("d%1.json").arg(i))));
    ASSERT_TRUE(menu()->openFile(file("d3.json")));
    const QStringList recent = menu()->recentFiles();
    ASSERT_EQ(recent.size(), EntriesMenu::kRecentCount);
    EXPECT_EQ(recent[0], file("d3.json"));
    EXPECT_EQ(recent[1], file("d6.json"));
    EXPECT_FALSE(recent.contains(file("d1.json")));

    QFile::remove(file("d6.json"));
    EXPECT_FALSE(menu()->openFile(file("d6.json")));
    EXPECT_FALSE(menu()->recentFiles().contains(file("d6.json")));

    auto* recentMenu = menu()->menuBar()->findChild<QMenu*>("recientes");
    ASSERT_NE(recentMenu, nullptr);
    EXPECT_EQ(recentMenu->actions().size(), menu()->recentFiles().size());
}

// The recent files are read when "Archivo" opens, so a list another
// window of the program changed since is shown as it is now.
TEST_F(SavedEntriesTest, RecentFilesReadWhenTheMenuOpens)
{
    auto* archivo = menu()->menuBar()->findChild<QMenu*>("menuArchivo");
    auto* recentMenu = menu()->menuBar()->findChild<QMenu*>("recientes");
    ASSERT_NE(archivo, nullptr);
    ASSERT_NE(recentMenu, nullptr);

    emit archivo->aboutToShow();
    EXPECT_FALSE(recentMenu->isEnabled()) << "no file used yet";
    EXPECT_TRUE(recentMenu->actions().isEmpty());

    QSettings(file("settings.ini"), QSettings::IniFormat)
        .setValue("datos/recientes", QStringList({file("a.json"), file("b.json")}));
    emit archivo->aboutToShow();
    EXPECT_TRUE(recentMenu->isEnabled());
    ASSERT_EQ(recentMenu->actions().size(), 2);
    EXPECT_EQ(recentMenu->actions()[0]->text(), "&1 a.json");
    EXPECT_EQ(recentMenu->actions()[1]->text(), "&2 b.json");
}

// Ctrl+O and Ctrl+S work in the entry window with the menu closed.
TEST_F(SavedEntriesTest, StandardShortcuts)
{
    pathToSave = file("atajo.json");
    QTest::keyClick(entry(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(pathToSave));
    pathToOpen = pathToSave;
    openedIn.clear();
    QTest::keyClick(entry(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(openedIn, dir.path()) << "the folder of the last file";
    EXPECT_TRUE(fileNotices.isEmpty());
}

} // namespace

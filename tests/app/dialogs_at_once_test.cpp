// Every menu item, shortcut and button that asks for a file shows its
// dialog and returns at once: a screen reader that pressed it is not held
// for as long as the dialog is open. What the dialog chooses is done when
// it is accepted.
#include "tests/app/program_fixture.h"
#include "tests/returns_at_once.h"

#include "entry/entries_menu.h"
#include "entry/entry_window.h"
#include "entry/scale_choice.h"
#include "payslip/payslip_window.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace haberes::test {
namespace {

class DialogsAtOnce : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        // The real dialogs: no path hooks.
        EntriesMenu::Hooks hooks;
        hooks.notice = [this](const QString& text) { fileNotices << text; };
        hooks.settings = [this] {
            return std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat);
        };
        menu()->setHooks(hooks);
    }

    EntriesMenu* menu() const { return program->entriesMenu(); }

    // The dialog named name, open and window-modal over parent.
    static QFileDialog* openDialog(QWidget* parent, const char* name)
    {
        auto* dialog = parent->findChild<QFileDialog*>(QLatin1String(name));
        EXPECT_NE(dialog, nullptr) << name;
        if (!dialog)
            return nullptr;
        EXPECT_TRUE(dialog->isVisible()) << name;
        EXPECT_EQ(dialog->windowModality(), Qt::WindowModal) << name;
        return dialog;
    }

    QTemporaryDir dir;
    QStringList fileNotices;
};

TEST_F(DialogsAtOnce, GuardarDatosThenAbrirDatosThroughTheMenu)
{
    type(box("docente"), "Ana Pérez");
    ASSERT_TRUE(returnsAtOnce([&] { pressMenuItem(menu()->fileMenu(), "Guardar datos…"); }));
    QFileDialog* save = openDialog(entry(), "dialogoGuardarDatos");
    ASSERT_NE(save, nullptr);
    EXPECT_TRUE(save->selectedFiles().value(0).endsWith("Ana Pérez.json"));
    const QString path = dir.filePath("ana.json");
    save->selectFile(path);
    QMetaObject::invokeMethod(save, "accept");
    QApplication::processEvents();
    ASSERT_TRUE(QFile::exists(path)) << qPrintable(fileNotices.join('\n'));
    EXPECT_EQ(menu()->recentFiles(), QStringList{path});

    type(box("docente"), "Otra");
    ASSERT_TRUE(returnsAtOnce([&] { pressMenuItem(menu()->fileMenu(), "Abrir datos…"); }));
    QFileDialog* open = openDialog(entry(), "dialogoAbrirDatos");
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(box("docente")->text(), "Otra") << "nothing read before the dialog is accepted";
    open->selectFile(path);
    QMetaObject::invokeMethod(open, "accept");
    QApplication::processEvents();
    EXPECT_EQ(box("docente")->text(), "Ana Pérez");
    EXPECT_TRUE(fileNotices.isEmpty()) << qPrintable(fileNotices.join('\n'));
}

TEST_F(DialogsAtOnce, ACancelledDialogChangesNothing)
{
    type(box("docente"), "Ana Pérez");
    ASSERT_TRUE(returnsAtOnce([&] { QTest::keyClick(entry(), Qt::Key_O, Qt::ControlModifier); }));
    QFileDialog* open = openDialog(entry(), "dialogoAbrirDatos");
    ASSERT_NE(open, nullptr);
    // A second press brings the same dialog forward, not another one.
    menu()->open();
    EXPECT_EQ(entry()->findChildren<QFileDialog*>().size(), 1);
    open->reject();
    QApplication::processEvents();
    EXPECT_EQ(box("docente")->text(), "Ana Pérez");
    EXPECT_TRUE(menu()->recentFiles().isEmpty());
    EXPECT_TRUE(fileNotices.isEmpty());
}

TEST_F(DialogsAtOnce, GuardarReciboEnPdfFromTheMenu)
{
    choosePosition("604");
    calcular();
    QMenu* archivo = menu()->fileMenu();
    emit archivo->aboutToShow();
    ASSERT_TRUE(returnsAtOnce([&] { pressMenuItem(archivo, "Guardar recibo en PDF…"); }));
    QFileDialog* save = openDialog(payslipWindow(), "dialogoGuardarPdf");
    ASSERT_NE(save, nullptr);
    save->reject();
    QApplication::processEvents();
    // Closed, the next press opens it again.
    ASSERT_TRUE(returnsAtOnce([&] { payslipWindow()->pdfAction()->trigger(); }));
    ASSERT_NE(openDialog(payslipWindow(), "dialogoGuardarPdf"), nullptr);
}

TEST_F(DialogsAtOnce, AbrirEscala)
{
    auto* abrir = control<QPushButton>(entry(), "abrirescala");
    ASSERT_TRUE(returnsAtOnce([&] { abrir->click(); }));
    QFileDialog* open = openDialog(entry(), "dialogoAbrirEscala");
    ASSERT_NE(open, nullptr);
    open->reject();
}

// Ctrl+S saves the entries; the payslip's PDF is Ctrl+Shift+S in both
// windows.
TEST_F(DialogsAtOnce, CtrlSMeansOneThing)
{
    choosePosition("604");
    calcular();
    PayslipWindow* w = payslipWindow();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w, Qt::Key_S, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(w->findChild<QFileDialog*>(), nullptr) << "Ctrl+S is not the PDF";
    EXPECT_EQ(w->pdfAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    auto* menuPdf = menu()->fileMenu()->findChild<QAction*>("guardarReciboPdf");
    ASSERT_NE(menuPdf, nullptr);
    EXPECT_EQ(menuPdf->shortcut(), w->pdfAction()->shortcut());
    auto* menuSave = menu()->fileMenu()->findChild<QAction*>("guardarDatos");
    ASSERT_NE(menuSave, nullptr);
    EXPECT_EQ(menuSave->shortcut(), QKeySequence(QKeySequence::Save));
    ASSERT_TRUE(returnsAtOnce([&] { QTest::keyClick(w, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier); }));
    QFileDialog* save = openDialog(w, "dialogoGuardarPdf");
    ASSERT_NE(save, nullptr);
    save->reject();
    QApplication::processEvents();

    // The same keys from the entry window, the menu never opened, while the
    // payslip is on view; nothing once it is gone.
    EXPECT_TRUE(menuPdf->isEnabled());
    entry()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(entry()));
    ASSERT_TRUE(returnsAtOnce([&] { QTest::keyClick(entry(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier); }));
    save = openDialog(w, "dialogoGuardarPdf");
    ASSERT_NE(save, nullptr);
    save->reject();
    QApplication::processEvents();
    click(payslipButton("Volver"));
    EXPECT_FALSE(menuPdf->isEnabled());
}

} // namespace
} // namespace haberes::test

// The menu "Escala" in the program: a scale made in "Nueva escala…" and
// saved is offered and chosen at once, prices the payslip on view, is kept
// once however often it is saved, and "Ver escala…" shows it read-only.
#include "tests/app/program_fixture.h"

#include "entry/entries_menu.h"
#include "entry/entry_window.h"
#include "entry/scale_choice.h"
#include "entry/scale_menu.h"
#include "entry/scale_window.h"
#include "payslip/payslip_window.h"
#include "scale/scale_catalog.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>

using namespace haberes;
using namespace haberes::test;

namespace {

class ScaleMenuProgram : public ProgramTest {
protected:
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("escalas"));
    QStringList told;

    void SetUp() override
    {
        ProgramTest::SetUp();
        choice()->setUserFolder(folder);
        choice()->setCatalog(findScales({folder}), QDate(2026, 12, 10));
    }
    ScaleChoice* choice() const { return entry()->scaleChoice(); }
    QComboBox* scaleBox() const { return control<QComboBox>(entry(), "escala"); }

    // The window a menu item opened, with questions answered yes.
    ScaleWindow* trigger(const char* action)
    {
        QAction* a = program->scaleMenu()->menu()->findChild<QAction*>(QString::fromLatin1(action));
        EXPECT_NE(a, nullptr);
        const auto before = entry()->findChildren<ScaleWindow*>();
        a->trigger();
        ScaleWindow* opened = nullptr;
        for (ScaleWindow* w : entry()->findChildren<ScaleWindow*>())
            if (!before.contains(w))
                opened = w;
        EXPECT_NE(opened, nullptr);
        if (opened)
            opened->setHooks({[](const QString&) { return true; }, [] { return true; },
                              [this](const QString& t) { told << t; },
                              [this] { return choice()->scaleNames(); }});
        return opened;
    }
    // A value's box, its group's page shown.
    static QLineEdit* value(ScaleWindow* w, const char* path)
    {
        auto* b = control<QLineEdit>(w, path);
        auto* pages = control<QStackedWidget>(w, "paginas");
        for (int i = 0; b && i < pages->count(); ++i)
            if (pages->widget(i)->isAncestorOf(b))
                control<QListWidget>(w, "grupos")->setCurrentRow(i);
        return b;
    }
    static void retype(ScaleWindow* w, const char* path, const QString& text)
    {
        QLineEdit* b = value(w, path);
        ASSERT_NE(b, nullptr) << path;
        b->clear();
        type(b, text);
    }
    QStringList files() const { return QDir(folder).entryList({QStringLiteral("*.json")}, QDir::Files); }
};

} // namespace

TEST_F(ScaleMenuProgram, AScaleMadeAndSavedIsChosenAndPricesThePayslipOnView)
{
    click(button("horasmedio"));
    box("numerohorasmed")->clear();
    type(box("numerohorasmed"), "18");
    calcular();
    ASSERT_TRUE(payslipWindow()->isVisible());
    // 18 hours × 64,73 points × $ 0,8947
    EXPECT_EQ(cell("Label1", 0), "$1042,4508");

    ScaleWindow* made = trigger("nuevaEscala");
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->mode(), ScaleWindow::Mode::create);
    retype(made, "nombre", QStringLiteral("Desde Marzo de 2.026"));
    retype(made, "titulo_recibo", QStringLiteral("Haberes desde Marzo 2.026"));
    retype(made, "vigencia", QStringLiteral("2026-03"));
    retype(made, "valor_punto", QStringLiteral("0,9842"));
    ASSERT_TRUE(made->save()) << told.join(u'\n').toStdString();

    EXPECT_EQ(files(), QStringList{QStringLiteral("Desde Marzo de 2.026.json")});
    EXPECT_EQ(choice()->scaleNames(),
              (QStringList{QStringLiteral("Desde Marzo de 2.026"), QStringLiteral("Desde Julio de 2.010")}));
    EXPECT_EQ(scaleBox()->currentText(), QStringLiteral("Desde Marzo de 2.026"));
    // 1165,14 points × $ 0,9842 = $ 1146,730788
    EXPECT_EQ(payslipText("Label3"), "Haberes desde Marzo 2.026");
    EXPECT_EQ(cell("Label1", 0), "$1146,7308");

    // Saved again with another point value: the same file, offered once.
    retype(made, "valor_punto", QStringLiteral("1"));
    ASSERT_TRUE(made->save()) << told.join(u'\n').toStdString();
    EXPECT_EQ(files(), QStringList{QStringLiteral("Desde Marzo de 2.026.json")});
    EXPECT_EQ(choice()->scaleNames().size(), 2);
    EXPECT_EQ(cell("Label1", 0), "$1165,14");
    EXPECT_TRUE(told.isEmpty()) << told.join(u'\n').toStdString();

    // And it can be removed again: it is the user's own.
    EXPECT_TRUE(program->scaleMenu()->removeAction()->isEnabled());
}

TEST_F(ScaleMenuProgram, TheViewIsReadOnlyAndShowsTheChosenScale)
{
    ScaleWindow* shown = trigger("verEscala");
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->mode(), ScaleWindow::Mode::view);
    EXPECT_TRUE(value(shown, "valor_punto")->isReadOnly());
    EXPECT_EQ(value(shown, "nombre")->text(), QStringLiteral("Desde Julio de 2.010"));
    EXPECT_EQ(shown->findChild<QPushButton*>(QStringLiteral("guardar")), nullptr);
    // The built-in scale cannot be removed.
    EXPECT_FALSE(program->scaleMenu()->removeAction()->isEnabled());
    shown->close();
    QApplication::processEvents();
    EXPECT_TRUE(files().isEmpty());
}

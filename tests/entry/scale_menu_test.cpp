// The menu "Escala": its items, and "Borrar escala…", which removes only the
// user's own scale files, after asking, through the trash, and chooses
// another scale when the chosen one is gone.
#include "engine/pay_scale.h"
#include "entry/entry_window.h"
#include "entry/scale_choice.h"
#include "entry/scale_menu.h"
#include "scale/scale_catalog.h"
#include "scale/scale_format.h"
#include "tests/scale/scale_test_files.h"
#include "widget_helpers.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

using namespace haberes;
using namespace haberes::test;

namespace {

QString put(const QString& folder, const QString& file, const char* name, int year, int month)
{
    return writeScaleFile(folder, file, datedScale(name, year, month));
}

QStringList texts(const QMenu* menu)
{
    QStringList out;
    for (const QAction* a : menu->actions())
        if (!a->isSeparator())
            out << a->text();
    return out;
}

class ScaleMenuTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString users = dir.filePath(QStringLiteral("usuario"));
    QString system = dir.filePath(QStringLiteral("sistema"));
    QStringList questions, notices, trashed;
    bool answer = true;
    bool trashWorks = true;
    int views = 0, makes = 0;
    EntryWindow window;
    QMenuBar bar;
    ScaleMenu menu{&bar, window.scaleChoice(), {[this] { ++views; }, [this] { ++makes; }}};

    void SetUp() override
    {
        window.scaleChoice()->setHooks({{}, [this](const QString& t) { notices << t; }});
        window.scaleChoice()->setUserFolder(users);
        menu.setHooks({[this](const QString& q) {
                           questions << q;
                           return answer;
                       },
                       [this](const QString& t) { notices << t; },
                       [this](const QString& path) {
                           if (!trashWorks)
                               return false;
                           trashed << path;
                           return QFile::remove(path);
                       }});
    }
    ScaleChoice* choice() { return window.scaleChoice(); }
    void choose(const QString& name) { choice()->box()->setCurrentIndex(choice()->scaleNames().indexOf(name)); }
};

} // namespace

TEST_F(ScaleMenuTest, ItemsInOrderAndWindowsOpened)
{
    EXPECT_EQ(texts(menu.menu()), (QStringList{QStringLiteral("&Ver escala…"), QStringLiteral("&Nueva escala…"),
                                               QStringLiteral("&Abrir escala…"), QStringLiteral("&Borrar escala…")}));
    EXPECT_EQ(menu.menu()->title(), QStringLiteral("&Escala"));
    menu.menu()->findChild<QAction*>(QStringLiteral("verEscala"))->trigger();
    menu.menu()->findChild<QAction*>(QStringLiteral("nuevaEscala"))->trigger();
    EXPECT_EQ(views, 1);
    EXPECT_EQ(makes, 1);
}

TEST_F(ScaleMenuTest, TheBuiltinAndTheSystemsScalesCannotBeRemoved)
{
    put(system, QStringLiteral("sistema.json"), "Escala del sistema", 2011, 3);
    choice()->setCatalog(findScales({users, system}), QDate(2026, 12, 10));
    choose(QStringLiteral("Desde Julio de 2.010"));
    EXPECT_FALSE(menu.removeAction()->isEnabled());
    menu.removeChosen();
    choose(QStringLiteral("Escala del sistema"));
    EXPECT_FALSE(menu.removeAction()->isEnabled());
    menu.removeChosen();
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_TRUE(trashed.isEmpty());
    EXPECT_TRUE(QFile::exists(QDir(system).filePath(QStringLiteral("sistema.json"))));
}

TEST_F(ScaleMenuTest, RemovingTheChosenScaleAsksThenChoosesTheStartingOne)
{
    const QString marzo = put(users, QStringLiteral("marzo.json"), "Desde Marzo de 2.011", 2011, 3);
    put(users, QStringLiteral("abril.json"), "Desde Abril de 2.012", 2012, 4);
    choice()->setCatalog(findScales({users}), QDate(2026, 12, 10));
    choose(QStringLiteral("Desde Marzo de 2.011"));
    ASSERT_TRUE(menu.removeAction()->isEnabled());

    answer = false;
    menu.removeChosen();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].startsWith(QStringLiteral("¿Borrar la escala «Desde Marzo de 2.011»?")));
    EXPECT_TRUE(questions[0].contains(QStringLiteral("«marzo.json»")));
    EXPECT_TRUE(QFile::exists(marzo));
    EXPECT_EQ(choice()->scaleNames().size(), 3);

    answer = true;
    menu.removeChosen();
    EXPECT_EQ(trashed, QStringList{marzo});
    EXPECT_FALSE(QFile::exists(marzo));
    EXPECT_EQ(choice()->scaleNames(),
              (QStringList{QStringLiteral("Desde Abril de 2.012"), QStringLiteral("Desde Julio de 2.010")}));
    // The newest in force, as at the start.
    EXPECT_EQ(choice()->scale().nombre, "Desde Abril de 2.012");
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(ScaleMenuTest, ATrashThatRefusesKeepsTheScaleAndSaysSo)
{
    const QString marzo = put(users, QStringLiteral("marzo.json"), "Desde Marzo de 2.011", 2011, 3);
    choice()->setCatalog(findScales({users}), QDate(2026, 12, 10));
    choose(QStringLiteral("Desde Marzo de 2.011"));
    trashWorks = false;
    menu.removeChosen();
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].startsWith(QStringLiteral("No se pudo mandar")));
    EXPECT_TRUE(QFile::exists(marzo));
    EXPECT_EQ(choice()->scale().nombre, "Desde Marzo de 2.011");
}

TEST_F(ScaleMenuTest, RemovingAScaleNotChosenKeepsTheChoiceWithoutRecomputing)
{
    const QString marzo = put(users, QStringLiteral("marzo.json"), "Desde Marzo de 2.011", 2011, 3);
    put(users, QStringLiteral("abril.json"), "Desde Abril de 2.012", 2012, 4);
    choice()->setCatalog(findScales({users}), QDate(2026, 12, 10));
    choose(QStringLiteral("Desde Julio de 2.010"));
    int changes = 0;
    QObject::connect(choice(), &ScaleChoice::scaleChanged, [&] { ++changes; });
    EXPECT_TRUE(choice()->removeScale(marzo));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(choice()->scale().nombre, "Desde Julio de 2.010");
    EXPECT_FALSE(choice()->removeScale(marzo));
}

TEST_F(ScaleMenuTest, TheRealTrashTakesTheFile)
{
    // The private home of the tests has its own trash folder.
    const QString marzo = put(users, QStringLiteral("marzo.json"), "Desde Marzo de 2.011", 2011, 3);
    choice()->setCatalog(findScales({users}), QDate(2026, 12, 10));
    choose(QStringLiteral("Desde Marzo de 2.011"));
    menu.setHooks({[](const QString&) { return true; }, [this](const QString& t) { notices << t; }, {}});
    menu.removeChosen();
    EXPECT_FALSE(QFile::exists(marzo));
    EXPECT_TRUE(notices.isEmpty()) << notices.join(u'\n').toStdString();
}

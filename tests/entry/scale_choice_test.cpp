// The "Escala" choice: scales by name, newest first, the starting scale by
// date, the chosen scale's name, percentages and positions in the windows,
// and "Abrir escala…" with a valid and an invalid file.
#include "engine/pay_scale.h"
#include "entry/entry_window.h"
#include "entry/position_dialog.h"
#include "entry/scale_choice.h"
#include "scale/scale_catalog.h"
#include "scale/scale_file.h"
#include "tests/scale/scale_test_files.h"
#include "widget_helpers.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

using namespace haberes;
using namespace haberes::test;

namespace {

QStringList items(const QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

class ScaleChoiceTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("escalas"));
    QStringList notices;
    EntryWindow window;

    void SetUp() override
    {
        window.scaleChoice()->setHooks({{}, [this](const QString& text) { notices << text; }});
        window.scaleChoice()->setUserFolder(folder);
    }
    QComboBox* box() { return control<QComboBox>(&window, "escala"); }
};

} // namespace

TEST_F(ScaleChoiceTest, WithNothingInstalledTheBuiltinScaleIsChosenAndNamed)
{
    window.scaleChoice()->setCatalog(findScales({folder}), QDate(2026, 12, 9));
    EXPECT_EQ(items(box()), QStringList{QStringLiteral("Desde Julio de 2.010")});
    EXPECT_EQ(&window.scale(), &builtinScale());
    EXPECT_EQ(control<QLabel>(&window, "desde")->text(), QStringLiteral("Desde Julio de 2.010"));
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(ScaleChoiceTest, NewestFirstStartingOnTheNewestNotAfterToday)
{
    PayScale marzo = datedScale("Desde Marzo de 2.011", 2011, 3);
    marzo.antiguedad[1] = 12;
    writeScaleFile(folder, QStringLiteral("marzo.json"), marzo);
    writeScaleFile(folder, QStringLiteral("agosto.json"), datedScale("Desde Agosto de 2.012", 2012, 8));
    window.scaleChoice()->setCatalog(findScales({folder}), QDate(2012, 7, 31));
    EXPECT_EQ(items(box()), (QStringList{QStringLiteral("Desde Agosto de 2.012 (todavía no rige: desde agosto de 2012)"),
                                        QStringLiteral("Desde Marzo de 2.011"), QStringLiteral("Desde Julio de 2.010")}));
    EXPECT_EQ(box()->currentIndex(), 1);
    EXPECT_EQ(control<QLabel>(&window, "desde")->text(), QStringLiteral("Desde Marzo de 2.011"));
    // For a look at the window: HABERES_GRAB=file.png.
    if (qEnvironmentVariableIsSet("HABERES_GRAB")) {
        window.show();
        window.grab().save(qEnvironmentVariable("HABERES_GRAB"));
    }
    // The seniority options follow the chosen scale's percentages.
    click(control<QRadioButton>(&window, "Option2"));
    EXPECT_EQ(window.porantig(), 12);
    EXPECT_EQ(control<QLineEdit>(&window, "porcantig")->text(), QStringLiteral("12 %"));
    box()->setCurrentIndex(2);
    EXPECT_EQ(window.porantig(), 10);
    EXPECT_EQ(control<QLineEdit>(&window, "porcantig")->text(), QStringLiteral("10 %"));
    EXPECT_EQ(control<QLabel>(&window, "desde")->text(), QStringLiteral("Desde Julio de 2.010"));
}

TEST_F(ScaleChoiceTest, AScaleNotYetInForceSaysSoFromTheMonthAfterToday)
{
    writeScaleFile(folder, QStringLiteral("dic.json"), datedScale("Desde Diciembre de 2.026", 2026, 12));
    writeScaleFile(folder, QStringLiteral("ene.json"), datedScale("Desde Enero de 2.027", 2027, 1));
    // The last day of its month: December is in force, January is not.
    window.scaleChoice()->setCatalog(findScales({folder}), QDate(2026, 12, 31));
    EXPECT_EQ(items(box()), (QStringList{QStringLiteral("Desde Enero de 2.027 (todavía no rige: desde enero de 2027)"),
                                        QStringLiteral("Desde Diciembre de 2.026"),
                                        QStringLiteral("Desde Julio de 2.010")}));
    EXPECT_EQ(box()->currentIndex(), 1);
    // The first day of the next month: both are.
    window.scaleChoice()->setCatalog(findScales({folder}), QDate(2027, 1, 1));
    EXPECT_EQ(box()->itemText(0), QStringLiteral("Desde Enero de 2.027"));
    EXPECT_EQ(box()->currentIndex(), 0);
    // The label on top names the scale alone.
    box()->setCurrentIndex(1);
    EXPECT_EQ(control<QLabel>(&window, "desde")->text(), QStringLiteral("Desde Diciembre de 2.026"));
}

TEST_F(ScaleChoiceTest, AnOpenedScaleNotYetInForceSaysSoToo)
{
    window.scaleChoice()->setCatalog(findScales({folder}), QDate(2026, 12, 9));
    const QString file = writeScaleFile(dir.filePath(QStringLiteral("descargas")), QStringLiteral("sept.json"),
                             datedScale("Desde Septiembre de 2.027", 2027, 9));
    ASSERT_TRUE(window.scaleChoice()->openFile(file));
    EXPECT_EQ(box()->currentText(), QStringLiteral("Desde Septiembre de 2.027 (todavía no rige: desde septiembre de 2027)"));
    EXPECT_EQ(window.scale().nombre, "Desde Septiembre de 2.027");
}

TEST_F(ScaleChoiceTest, ThePositionDialogListsTheChosenScalesPositions)
{
    PayScale nueva = datedScale("Desde Marzo de 2.011", 2011, 3);
    nueva.cargos = PositionTable({{"604", "Asesor Pedagógico", "3300", "0", "0", "0", "0"},
                                  {"700", "Cargo Nuevo", "1000", "0", "0", "0", "10"}});
    writeScaleFile(folder, QStringLiteral("marzo.json"), nueva);
    window.scaleChoice()->setCatalog(findScales({folder}), QDate(2026, 1, 1));
    PositionDialog* dialog = window.showPositionDialog();
    auto* names = control<QComboBox>(dialog, "cargox");
    EXPECT_EQ(items(names), (QStringList{QStringLiteral("Asesor Pedagógico"), QStringLiteral("Cargo Nuevo")}));
    control<QLineEdit>(dialog, "codcargo")->setText(QStringLiteral("604"));
    EXPECT_EQ(control<QLineEdit>(dialog, "punbas")->text(), QStringLiteral("3300"));
    // Back to the built-in scale: its 311 names, and code 604 with its points.
    box()->setCurrentIndex(1);
    EXPECT_EQ(names->count(), 311);
    EXPECT_EQ(control<QLineEdit>(dialog, "punbas")->text(), QStringLiteral("3146"));
    EXPECT_EQ(names->currentText(), QStringLiteral("Asesor Pedagógico"));
}

TEST_F(ScaleChoiceTest, OpeningAValidScaleCopiesAndChoosesIt)
{
    window.scaleChoice()->setCatalog(findScales({folder}), QDate(2026, 1, 1));
    const QString file = writeScaleFile(dir.filePath(QStringLiteral("descargas")), QStringLiteral("nueva.json"),
                             datedScale("Desde Mayo de 2.013", 2013, 5));
    window.scaleChoice()->setHooks({[&] { return file; }, [this](const QString& t) { notices << t; }});
    click(control<QPushButton>(&window, "abrirescala"));
    EXPECT_TRUE(notices.isEmpty()) << notices.join(u'\n').toStdString();
    EXPECT_EQ(box()->currentText(), QStringLiteral("Desde Mayo de 2.013"));
    EXPECT_EQ(control<QLabel>(&window, "desde")->text(), QStringLiteral("Desde Mayo de 2.013"));
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath(QStringLiteral("nueva.json"))));
    EXPECT_EQ(box()->count(), 2);
}

TEST_F(ScaleChoiceTest, AnInvalidScaleIsRefusedAndNothingChanges)
{
    window.scaleChoice()->setCatalog(findScales({folder}), QDate(2026, 1, 1));
    const QString bad = dir.filePath(QStringLiteral("mala.json"));
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\"formato\": 1}");
    f.close();
    EXPECT_FALSE(window.scaleChoice()->openFile(bad));
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains(QStringLiteral("mala.json"))) << notices[0].toStdString();
    EXPECT_EQ(box()->count(), 1);
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath(QStringLiteral("mala.json"))));
}

TEST_F(ScaleChoiceTest, FilesLeftOutAreTold)
{
    QDir().mkpath(folder);
    QFile f(QDir(folder).filePath(QStringLiteral("rota.json")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{");
    f.close();
    window.scaleChoice()->setCatalog(findScales({folder}), QDate(2026, 1, 1));
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains(QStringLiteral("rota.json")));
    EXPECT_EQ(box()->count(), 1);
}

// A scale by name: the chosen one when it is so named, else the first
// listed; an unknown name changes nothing.
TEST_F(ScaleChoiceTest, ChosenByName)
{
    writeScaleFile(folder, QStringLiteral("marzo.json"), datedScale("Desde Marzo de 2.011", 2011, 3));
    writeScaleFile(folder, QStringLiteral("agosto.json"), datedScale("Desde Agosto de 2.012", 2012, 8));
    // A second file under the name of the first, of an earlier month.
    writeScaleFile(folder, QStringLiteral("marzo-copia.json"), datedScale("Desde Marzo de 2.011", 2011, 1));
    ScaleChoice* choice = window.scaleChoice();
    choice->setCatalog(findScales({folder}), QDate(2026, 12, 9));
    ASSERT_EQ(items(box()), (QStringList{"Desde Agosto de 2.012", "Desde Marzo de 2.011", "Desde Marzo de 2.011",
                                         "Desde Julio de 2.010"}));
    QStringList changes;
    QObject::connect(choice, &ScaleChoice::scaleChanged, [&] { changes << box()->currentText(); });

    EXPECT_EQ(choice->offered(QStringLiteral("Desde Agosto de 2.012")), &window.scale());
    EXPECT_EQ(choice->offered(QStringLiteral("Desde Julio de 2.010")), &builtinScale());
    EXPECT_EQ(choice->offered(QStringLiteral("desde julio de 2.010")), nullptr);
    EXPECT_EQ(choice->offered(QString()), nullptr);

    EXPECT_TRUE(choice->chooseScale(QStringLiteral("Desde Marzo de 2.011")));
    EXPECT_EQ(box()->currentIndex(), 1);
    EXPECT_EQ(window.scale().vigenciaMes, 3);
    EXPECT_EQ(control<QLabel>(&window, "desde")->text(), QStringLiteral("Desde Marzo de 2.011"));
    // The second of that name, once chosen, stays chosen.
    box()->setCurrentIndex(2);
    EXPECT_EQ(choice->offered(QStringLiteral("Desde Marzo de 2.011")), &window.scale());
    EXPECT_TRUE(choice->chooseScale(QStringLiteral("Desde Marzo de 2.011")));
    EXPECT_EQ(box()->currentIndex(), 2);
    EXPECT_EQ(window.scale().vigenciaMes, 1);

    changes.clear();
    EXPECT_FALSE(choice->chooseScale(QStringLiteral("Desde Abril de 2.012")));
    EXPECT_EQ(box()->currentIndex(), 2);
    EXPECT_TRUE(changes.isEmpty());
    EXPECT_TRUE(choice->chooseScale(QStringLiteral("Desde Julio de 2.010")));
    EXPECT_EQ(&window.scale(), &builtinScale());
    EXPECT_EQ(changes, QStringList{"Desde Julio de 2.010"});
}

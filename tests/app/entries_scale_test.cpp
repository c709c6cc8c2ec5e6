// Entries remember their scale: saved with the chosen scale's name, opened
// again under that scale when it is offered, and under the chosen one, with
// a notice naming the missing scale, when it is not.
#include "tests/app/program_fixture.h"

#include "engine/pay_scale.h"
#include "entry/entries_menu.h"
#include "entry/entry_window.h"
#include "entry/position_dialog.h"
#include "entry/scale_choice.h"
#include "payslip/payslip_window.h"
#include "scale/scale_catalog.h"
#include "scale/scale_file.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

using namespace haberes;
using namespace haberes::test;

namespace {

class EntriesScale : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        useHooks();
    }

    void useHooks()
    {
        EntriesMenu::Hooks hooks;
        hooks.notice = [this](const QString& text) { fileNotices << text; };
        hooks.settings = [this] {
            return std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat);
        };
        program->entriesMenu()->setHooks(hooks);
    }

    // A new program, as on the next day, offering the same scales.
    void restart()
    {
        program = std::make_unique<Program>();
        program->setFieldNotice([this](QWidget*, const QString& message) { notices << message; });
        program->start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(entry()));
        useHooks();
        offerMarzo();
    }

    // The built-in table with one position more, and the point raised 10 %.
    static PayScale marzo2011()
    {
        PayScale s = builtinScale();
        s.nombre = "Desde Marzo de 2.011";
        s.tituloRecibo = "Haberes desde Marzo 2.011";
        s.vigenciaAnio = 2011;
        s.vigenciaMes = 3;
        s.valorPunto = 0.98417;
        std::vector<PositionRecord> rows = s.cargos.rows();
        rows.push_back({"850", "Cargo Nuevo", "1000", "0", "0", "0", "10"});
        s.cargos = PositionTable(std::move(rows));
        return s;
    }

    // Offers the built-in scale and March 2011's, which starts chosen.
    void offerMarzo()
    {
        const QString folder = dir.filePath(QStringLiteral("escalas"));
        QDir().mkpath(folder);
        QFile f(QDir(folder).filePath(QStringLiteral("marzo.json")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString(writeScale(marzo2011())));
        f.close();
        entry()->scaleChoice()->setCatalog(findScales({folder}), QDate(2026, 12, 9));
        ASSERT_EQ(scaleBox()->count(), 2);
        ASSERT_EQ(scaleBox()->currentText(), "Desde Marzo de 2.011");
    }
    QComboBox* scaleBox() const { return control<QComboBox>(entry(), "escala"); }
    void chooseBuiltin() { scaleBox()->setCurrentIndex(1); }

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

    QTemporaryDir dir;
    QStringList fileNotices;
};

// Saved under March 2011's scale with its new position; opened next day with
// the built-in scale chosen: March 2011's is chosen again, the position is
// its own, and the payslip is priced under it.
TEST_F(EntriesScale, SavedUnderAnOfferedScaleReopensUnderIt)
{
    offerMarzo();
    type(box("docente"), "Sosa, Marta");
    choosePosition("850");
    EXPECT_EQ(control<QLineEdit>(dialog(), "punbas")->text(), "1000");
    calcular();
    ASSERT_TRUE(payslipWindow()->isVisible());
    EXPECT_EQ(payslipText("Label3"), "Haberes desde Marzo 2.011");
    // 1000 points × $ 0,98417.
    EXPECT_EQ(cell("Label1", 0), "$984,17");
    const QStringList typed = payslipSnapshot().filter(QRegularExpression("^(?!Text10=)"));
    ASSERT_TRUE(program->entriesMenu()->saveFile(file("sosa.json")));
    const QByteArray saved = read(file("sosa.json"));
    EXPECT_TRUE(saved.contains(R"("escala":"Desde Marzo de 2.011")")) << saved.constData();
    // The dialog's texts are the row's, so not written.
    EXPECT_FALSE(saved.contains("cargox")) << saved.constData();

    restart();
    chooseBuiltin();
    ASSERT_TRUE(program->entriesMenu()->openFile(file("sosa.json")));
    EXPECT_TRUE(fileNotices.isEmpty()) << fileNotices.join('\n').toStdString();
    EXPECT_EQ(scaleBox()->currentText(), "Desde Marzo de 2.011");
    EXPECT_EQ(entry()->scale().nombre, "Desde Marzo de 2.011");
    ASSERT_NE(dialog(), nullptr);
    EXPECT_EQ(control<QLineEdit>(dialog(), "punbas")->text(), "1000");
    click(control<QPushButton>(dialog(), "Command1"));
    calcular();
    EXPECT_TRUE(notices.isEmpty()) << notices.join('\n').toStdString();
    EXPECT_EQ(payslipSnapshot().filter(QRegularExpression("^(?!Text10=)")), typed);

    // Saved again: the same bytes.
    ASSERT_TRUE(program->entriesMenu()->saveFile(file("otra-vez.json")));
    EXPECT_EQ(read(file("otra-vez.json")), saved);

    // haberes-cli, with the scale installed among the user's, computes the
    // file under it: the payslip of the window.
    const QString data = dir.filePath(QStringLiteral("datos"));
    QDir().mkpath(data + QStringLiteral("/haberes/escalas"));
    write(data + QStringLiteral("/haberes/escalas/marzo.json"), QByteArray::fromStdString(writeScale(marzo2011())));
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), data);
    env.insert(QStringLiteral("XDG_DATA_DIRS"), dir.filePath(QStringLiteral("ninguna")));
    cli.setProcessEnvironment(env);
    cli.start(QStringLiteral(HABERES_CLI), {QStringLiteral("--locale"), QStringLiteral("es_AR"), file("sosa.json")});
    ASSERT_TRUE(cli.waitForFinished(60000));
    const QJsonObject out = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
    EXPECT_EQ(out.value("escala").toString(), "Desde Marzo de 2.011");
    EXPECT_EQ(out.value("totals").toObject().value("liquido").toString(), payslipText("liquido"));
}

// Under the built-in scale the file names it, and reopens under it with
// March 2011's chosen.
TEST_F(EntriesScale, TheBuiltinScaleIsNamedAndChosenBack)
{
    offerMarzo();
    chooseBuiltin();
    choosePosition("734");
    ASSERT_TRUE(program->entriesMenu()->saveFile(file("julio.json")));
    EXPECT_TRUE(read(file("julio.json")).contains(R"("escala":"Desde Julio de 2.010")"));
    scaleBox()->setCurrentIndex(0);
    ASSERT_TRUE(program->entriesMenu()->openFile(file("julio.json")));
    EXPECT_TRUE(fileNotices.isEmpty()) << fileNotices.join('\n').toStdString();
    EXPECT_EQ(scaleBox()->currentText(), "Desde Julio de 2.010");
}

// A scale not offered: said, by name, and the chosen one kept; the entries
// are put in all the same. A file without the key keeps the chosen scale
// and says nothing.
TEST_F(EntriesScale, AMissingScaleIsSaidAndTheChosenOneKept)
{
    offerMarzo();
    write(file("abril.json"), R"({"docente": "Vera, Luis", "horasmedio": true, "numerohorasmed": "12",)"
                              R"( "escala": "Desde Abril de 2.012"})"
                              "\n");
    ASSERT_TRUE(program->entriesMenu()->openFile(file("abril.json")));
    ASSERT_EQ(fileNotices.size(), 1);
    EXPECT_EQ(fileNotices[0], "Los datos se guardaron con la escala «Desde Abril de 2.012», que no está instalada. "
                              "Se usa la escala «Desde Marzo de 2.011».");
    EXPECT_EQ(scaleBox()->currentText(), "Desde Marzo de 2.011");
    EXPECT_EQ(box("docente")->text(), "Vera, Luis");
    EXPECT_TRUE(button("horasmedio")->isChecked());
    EXPECT_EQ(box("numerohorasmed")->text(), "12");

    fileNotices.clear();
    chooseBuiltin();
    write(file("sin-escala.json"), R"({"docente": "Vera, Luis", "horasmedio": true})");
    ASSERT_TRUE(program->entriesMenu()->openFile(file("sin-escala.json")));
    EXPECT_TRUE(fileNotices.isEmpty()) << fileNotices.join('\n').toStdString();
    EXPECT_EQ(scaleBox()->currentText(), "Desde Julio de 2.010");

    // Saved again under the scale kept, the file names that one.
    ASSERT_TRUE(program->entriesMenu()->openFile(file("abril.json")));
    ASSERT_TRUE(program->entriesMenu()->saveFile(file("abril-julio.json")));
    EXPECT_TRUE(read(file("abril-julio.json")).contains(R"("escala":"Desde Julio de 2.010")"));
}

// The listed points are checked against the table of the scale the file
// names: a position only March 2011's table has is accepted under it, and
// refused under the built-in one (no scale named, or a scale not offered).
TEST_F(EntriesScale, ThePositionIsCheckedAgainstTheNamedScalesTable)
{
    offerMarzo();
    chooseBuiltin();
    const QByteArray position = R"({"cargo": true, "codigocargo": "850", "puntosbasicos": "1000")";
    write(file("marzo.json"), position + R"(, "escala": "Desde Marzo de 2.011"})");
    ASSERT_TRUE(program->entriesMenu()->openFile(file("marzo.json"))) << fileNotices.join('\n').toStdString();
    EXPECT_EQ(scaleBox()->currentText(), "Desde Marzo de 2.011");
    EXPECT_EQ(control<QLineEdit>(dialog(), "punbas")->text(), "1000");
    EXPECT_EQ(control<QComboBox>(dialog(), "cargox")->currentText(), "Cargo Nuevo");

    chooseBuiltin();
    for (const char* name : {"sin-escala.json", "otra.json"}) {
        SCOPED_TRACE(name);
        fileNotices.clear();
        write(file(name), position + (name[0] == 's' ? QByteArray("}") : R"(, "escala": "Otra"})"));
        EXPECT_FALSE(program->entriesMenu()->openFile(file(name)));
        ASSERT_EQ(fileNotices.size(), 1);
        EXPECT_TRUE(fileNotices[0].contains("puntosbasicos")) << fileNotices[0].toStdString();
        EXPECT_EQ(scaleBox()->currentText(), "Desde Julio de 2.010");
    }
}

} // namespace

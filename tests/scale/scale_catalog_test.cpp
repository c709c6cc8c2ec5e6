// Finding scales: folders in order, invalid files left out whole, newest
// month first, the starting scale by today's date, and opening a file.
#include "scale/scale_catalog.h"
#include "scale/scale_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace haberes;

namespace {

QByteArray scaleJson(const char* name, int year, int month)
{
    PayScale s = builtinScale();
    s.nombre = name;
    s.vigenciaAnio = year;
    s.vigenciaMes = month;
    return QByteArray::fromStdString(writeScale(s));
}

void put(const QString& folder, const QString& file, const QByteArray& bytes)
{
    QDir().mkpath(folder);
    QFile f(QDir(folder).filePath(file));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

std::vector<std::string> names(const ScaleCatalog& c)
{
    std::vector<std::string> out;
    for (const ScaleEntry& e : c.scales)
        out.push_back(e.scale->nombre);
    return out;
}

class Catalog : public testing::Test {
protected:
    QTemporaryDir dir;
    QString user = dir.filePath(QStringLiteral("user"));
    QString system = dir.filePath(QStringLiteral("system"));
};

} // namespace

TEST_F(Catalog, NothingInstalledOffersTheBuiltinScaleAlone)
{
    const ScaleCatalog c = findScales({user, system});
    ASSERT_EQ(c.scales.size(), 1u);
    EXPECT_TRUE(c.scales[0].builtin());
    EXPECT_EQ(c.scales[0].scale.get(), &builtinScale());
    EXPECT_TRUE(c.problems.isEmpty());
    EXPECT_EQ(startingScale(c, QDate(2026, 12, 9)), 0u);
}

TEST_F(Catalog, NewestMonthFirstAndInvalidFilesLeftOutWhole)
{
    put(user, QStringLiteral("b.json"), scaleJson("Marzo 2011", 2011, 3));
    put(system, QStringLiteral("a.json"), scaleJson("Agosto 2012", 2012, 8));
    put(system, QStringLiteral("b.json"), scaleJson("Hidden", 2013, 1)); // same name as the user's
    QByteArray broken = scaleJson("Rota", 2014, 1);
    broken.replace("\"vigencia\": \"2014-01\"", "\"vigencia\": \"2014-13\"");
    put(user, QStringLiteral("rota.json"), broken);
    put(user, QStringLiteral("otra.txt"), scaleJson("Not json-named", 2015, 1));

    const ScaleCatalog c = findScales({user, system});
    EXPECT_EQ(names(c), (std::vector<std::string>{"Agosto 2012", "Marzo 2011", "Desde Julio de 2.010"}));
    ASSERT_EQ(c.problems.size(), 1);
    EXPECT_TRUE(c.problems[0].contains(QStringLiteral("rota.json"))) << c.problems[0].toStdString();
    EXPECT_TRUE(c.problems[0].contains(QStringLiteral("«vigencia»"))) << c.problems[0].toStdString();
    EXPECT_EQ(c.scales[1].path, QDir(user).filePath(QStringLiteral("b.json")));
}

TEST_F(Catalog, StartsOnTheNewestScaleNotAfterToday)
{
    put(user, QStringLiteral("a.json"), scaleJson("Marzo 2011", 2011, 3));
    put(user, QStringLiteral("b.json"), scaleJson("Agosto 2012", 2012, 8));
    const ScaleCatalog c = findScales({user});
    auto startName = [&](QDate today) { return c.scales[startingScale(c, today)].scale->nombre; };
    EXPECT_EQ(startName(QDate(2012, 8, 1)), "Agosto 2012"); // its first day
    EXPECT_EQ(startName(QDate(2012, 7, 31)), "Marzo 2011");
    EXPECT_EQ(startName(QDate(2011, 3, 15)), "Marzo 2011");
    EXPECT_EQ(startName(QDate(2011, 2, 28)), "Desde Julio de 2.010");
    EXPECT_EQ(startName(QDate(2030, 1, 1)), "Agosto 2012");
    // Before every scale: the oldest.
    EXPECT_EQ(startName(QDate(2009, 1, 1)), "Desde Julio de 2.010");
}

TEST_F(Catalog, OpeningAValidFileCopiesItIntoTheUserFolder)
{
    put(dir.path(), QStringLiteral("marzo.json"), scaleJson("Marzo 2011", 2011, 3));
    const InstallResult r = installScale(dir.filePath(QStringLiteral("marzo.json")), user);
    ASSERT_TRUE(r.entry) << r.error.toStdString();
    EXPECT_EQ(r.entry->path, QDir(user).filePath(QStringLiteral("marzo.json")));
    EXPECT_EQ(r.entry->scale->nombre, "Marzo 2011");
    EXPECT_EQ(names(findScales({user})), (std::vector<std::string>{"Marzo 2011", "Desde Julio de 2.010"}));

    // The same file again is the same copy; another file of that name gets
    // a name of its own, and the first copy is kept.
    EXPECT_EQ(installScale(dir.filePath(QStringLiteral("marzo.json")), user).entry->path, r.entry->path);
    const QString other = dir.filePath(QStringLiteral("otra/marzo.json"));
    put(dir.filePath(QStringLiteral("otra")), QStringLiteral("marzo.json"), scaleJson("Marzo bis", 2011, 3));
    const InstallResult second = installScale(other, user);
    ASSERT_TRUE(second.entry);
    EXPECT_EQ(second.entry->path, QDir(user).filePath(QStringLiteral("marzo-2.json")));
    EXPECT_EQ(findScales({user}).scales.size(), 3u);
}

TEST_F(Catalog, OpeningAnInvalidFileCopiesNothing)
{
    QByteArray bad = scaleJson("Mala", 2011, 3);
    bad.replace("\"codigocargo\": \"985\"", "\"codigocargo\": \"999\"");
    put(dir.path(), QStringLiteral("mala.json"), bad);
    const InstallResult r = installScale(dir.filePath(QStringLiteral("mala.json")), user);
    EXPECT_FALSE(r.entry);
    EXPECT_TRUE(r.error.contains(QStringLiteral("«cargos[1].codigocargo»"))) << r.error.toStdString();
    EXPECT_FALSE(QFile::exists(QDir(user).filePath(QStringLiteral("mala.json"))));
    EXPECT_FALSE(installScale(dir.filePath(QStringLiteral("no-existe.json")), user).entry);
}

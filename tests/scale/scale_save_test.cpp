// Saving a scale made in the program: its file name, no file replaced
// unasked, a failed save that leaves the old file as it was, and a saved
// scale found among the user's scales.
#include "scale/scale_catalog.h"
#include "scale/scale_draft.h"
#include "scale/scale_file.h"
#include "scale/scale_save.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace haberes;

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace

TEST(ScaleSave, FileNameIsTheScalesNameAnySystemTakes)
{
    EXPECT_EQ(scaleFileName("Desde Marzo de 2.027"), "Desde Marzo de 2.027.json");
    EXPECT_EQ(scaleFileName("Zona Inhóspita ñ"), QStringLiteral("Zona Inhóspita ñ.json"));
    EXPECT_EQ(scaleFileName("a/b\\c:d*e?f\"g<h>i|j"), "a-b-c-d-e-f-g-h-i-j.json");
    EXPECT_EQ(scaleFileName("x\ty\nz\x7f"), "x-y-z-.json");
    EXPECT_EQ(scaleFileName(".oculta"), "-oculta.json");
    EXPECT_EQ(scaleFileName("  .oculta  "), "-oculta.json");
    EXPECT_EQ(scaleFileName("Marzo."), "Marzo.json");
    EXPECT_EQ(scaleFileName(""), "escala.json");
    EXPECT_EQ(scaleFileName("   "), "escala.json");
    EXPECT_EQ(scaleFileName("..."), "escala.json");
    EXPECT_EQ(scaleFileName(std::string(300, 'a')), QString(120, u'a') + ".json");
    // Not cut between the halves of a character beyond the first plane.
    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E"); // U+1D11E
    const QString cut = scaleFileName(std::string(119, 'a') + "\xF0\x9D\x84\x9E");
    EXPECT_EQ(cut, QString(119, u'a') + ".json");
    EXPECT_FALSE(cut.contains(clef.at(0)));
}

TEST(ScaleSave, WritesIntoANewFolderAndNeverReplacesUnasked)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString folder = tmp.filePath("haberes/escalas");
    const ScaleSaveResult first = saveScaleFile(folder, "Marzo.json", "primero\n", false);
    EXPECT_EQ(first.error, "");
    EXPECT_FALSE(first.exists);
    EXPECT_EQ(first.path, QDir(folder).filePath("Marzo.json"));
    EXPECT_EQ(contents(first.path), "primero\n");

    const ScaleSaveResult again = saveScaleFile(folder, "Marzo.json", "segundo\n", false);
    EXPECT_TRUE(again.exists);
    EXPECT_EQ(again.error, "");
    EXPECT_EQ(again.path, first.path);
    EXPECT_EQ(contents(first.path), "primero\n");

    const ScaleSaveResult replaced = saveScaleFile(folder, "Marzo.json", "segundo\n", true);
    EXPECT_FALSE(replaced.exists);
    EXPECT_EQ(replaced.error, "");
    EXPECT_EQ(contents(first.path), "segundo\n");
    // No temporary file left beside it.
    EXPECT_EQ(filesIn(folder), QStringList{"Marzo.json"});
}

TEST(ScaleSave, AnUnfinishedWriteLeavesTheOldFileAsItWas)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    ASSERT_EQ(saveScaleFile(tmp.path(), "Marzo.json", "viejo\n", false).error, "");
    const ScaleSaveResult r =
        saveScaleFile(tmp.path(), "Marzo.json", "nuevo\n", true, [](QSaveFile& f) { f.cancelWriting(); });
    EXPECT_EQ(r.error, "No se pudo guardar la escala «" + QDir::toNativeSeparators(tmp.filePath("Marzo.json")) +
                           "»: la escritura no terminó. El archivo anterior, si había uno, quedó como estaba.");
    EXPECT_EQ(contents(tmp.filePath("Marzo.json")), "viejo\n");
    EXPECT_EQ(filesIn(tmp.path()), QStringList{"Marzo.json"});
}

TEST(ScaleSave, AFolderThatCannotBeWrittenIsASpanishError)
{
    // Nobody, not even the superuser, creates files or folders in /proc.
    const ScaleSaveResult proc = saveScaleFile("/proc/self", "Marzo.json", "x\n", false);
    EXPECT_EQ(proc.error, "No se pudo guardar la escala «/proc/self/Marzo.json»: no se puede escribir en esa "
                          "carpeta. El archivo anterior, si había uno, quedó como estaba.");
    const ScaleSaveResult deeper = saveScaleFile("/proc/self/escalas", "Marzo.json", "x\n", false);
    EXPECT_EQ(deeper.error, "No se pudo guardar la escala: no se puede crear la carpeta «/proc/self/escalas».");

    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    // A folder where the file would go.
    QDir(tmp.path()).mkpath("Marzo.json");
    const ScaleSaveResult dir = saveScaleFile(tmp.path(), "Marzo.json", "x\n", true);
    EXPECT_EQ(dir.error, "No se pudo guardar la escala «" + QDir::toNativeSeparators(tmp.filePath("Marzo.json")) +
                             "»: hay una carpeta con ese nombre.");
}

TEST(ScaleSave, AReadOnlyFolderKeepsItsOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser writes in a read-only folder";
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString locked = tmp.filePath("cerrada");
    QDir().mkpath(locked);
    ASSERT_TRUE(saveScaleFile(locked, "Marzo.json", "viejo\n", false).error.isEmpty());
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const ScaleSaveResult r = saveScaleFile(locked, "Marzo.json", "nuevo\n", true);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(r.error.startsWith("No se pudo guardar la escala «")) << r.error.toStdString();
    EXPECT_EQ(contents(QDir(locked).filePath("Marzo.json")), "viejo\n");
}

TEST(ScaleSave, AScaleMadeAndSavedIsFoundAmongTheUsersScales)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    ScaleDraft d(builtinScale());
    ASSERT_EQ(d.set("nombre", "Desde Marzo de 2.027"), "");
    ASSERT_EQ(d.set("vigencia", "2027-03"), "");
    ASSERT_EQ(d.raise(10, {RaiseGroup::pointValues}), "");
    const ScaleSaveResult r = saveScaleFile(tmp.path(), scaleFileName(d.text("nombre")), d.fileText(), false);
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.path, tmp.filePath("Desde Marzo de 2.027.json"));

    const ScaleFileResult read = readScaleFile(r.path);
    ASSERT_TRUE(read.scale) << read.error.toStdString();
    EXPECT_TRUE(*read.scale == *d.result().scale);
    const ScaleCatalog catalog = findScales({tmp.path()});
    EXPECT_TRUE(catalog.problems.isEmpty());
    ASSERT_EQ(catalog.scales.size(), 2u);
    EXPECT_EQ(catalog.scales[0].scale->nombre, "Desde Marzo de 2.027");
    EXPECT_EQ(catalog.scales[0].scale->valorPunto, 0.9842);
    EXPECT_EQ(catalog.scales[0].path, r.path);
}

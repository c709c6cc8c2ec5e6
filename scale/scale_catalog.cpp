#include "scale/scale_catalog.h"

#include "scale/scale_file.h"
#include "scale/scale_limits.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <set>

namespace haberes {

namespace {

const QString kSubfolder = QStringLiteral("haberes/escalas");

int monthNumber(const PayScale& s) { return s.vigenciaAnio * 12 + (s.vigenciaMes - 1); }

QByteArray readAll(const QString& path, QString& error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("No se puede leer la escala «%1»: el archivo no existe o no se puede abrir.").arg(path);
        return {};
    }
    if (f.size() > kMaxScaleFileBytes) {
        error = QStringLiteral("La escala «%1» no es válida: el archivo es demasiado grande.").arg(path);
        return {};
    }
    return f.readAll();
}

} // namespace

QStringList scaleFolders()
{
    QStringList folders;
    for (const QString& base : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << QDir(base).filePath(kSubfolder);
    folders.removeDuplicates();
    return folders;
}

QString userScaleFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(kSubfolder);
}

QString effectiveMonth(const PayScale& s)
{
    return QStringLiteral("%1-%2").arg(s.vigenciaAnio, 4, 10, QChar(u'0')).arg(s.vigenciaMes, 2, 10, QChar(u'0'));
}

ScaleCatalog findScales(const QStringList& folders)
{
    ScaleCatalog catalog;
    std::set<QString> seen;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        const QStringList names =
            dir.entryList({QStringLiteral("*.json")}, QDir::Files | QDir::Readable, QDir::Name);
        for (const QString& name : names) {
            if (!seen.insert(name).second)
                continue;
            const ScaleFileResult r = readScaleFile(dir.filePath(name));
            if (r.scale)
                catalog.scales.push_back({std::make_shared<const PayScale>(std::move(*r.scale)), dir.filePath(name)});
            else
                catalog.problems << r.error;
        }
    }
    // The built-in scale is one of them, never copied.
    catalog.scales.push_back({std::shared_ptr<const PayScale>(&builtinScale(), [](const PayScale*) {}), QString()});
    std::stable_sort(catalog.scales.begin(), catalog.scales.end(), [](const ScaleEntry& a, const ScaleEntry& b) {
        return monthNumber(*a.scale) > monthNumber(*b.scale);
    });
    return catalog;
}

bool inForce(const PayScale& scale, QDate today)
{
    return monthNumber(scale) <= today.year() * 12 + (today.month() - 1);
}

std::size_t startingScale(const ScaleCatalog& catalog, QDate today)
{
    for (std::size_t i = 0; i < catalog.scales.size(); ++i)
        if (inForce(*catalog.scales[i].scale, today))
            return i;
    return catalog.scales.empty() ? 0 : catalog.scales.size() - 1;
}

InstallResult installScale(const QString& file, const QString& folder)
{
    InstallResult result;
    const QByteArray bytes = readAll(file, result.error);
    if (!result.error.isEmpty())
        return result;
    ScaleFileResult read = readScale(bytes, QFileInfo(file).filePath());
    if (!read.scale) {
        result.error = read.error;
        return result;
    }
    if (!QDir().mkpath(folder)) {
        result.error = QStringLiteral("No se puede crear la carpeta de escalas «%1».").arg(folder);
        return result;
    }
    // Its own name when free (or already holding these very bytes),
    // otherwise "name-2.json", "name-3.json", ...
    const QString base = QFileInfo(file).completeBaseName();
    QString target;
    for (int n = 1; n < 1000 && target.isEmpty(); ++n) {
        const QString candidate =
            QDir(folder).filePath(n == 1 ? base + QStringLiteral(".json") : QStringLiteral("%1-%2.json").arg(base).arg(n));
        QFile existing(candidate);
        if (!existing.exists())
            target = candidate;
        else if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
            target = candidate;
    }
    if (target.isEmpty()) {
        result.error = QStringLiteral("No se puede copiar la escala a «%1».").arg(folder);
        return result;
    }
    if (!QFileInfo::exists(target)) {
        // Written whole or not at all: a half-copied scale would be refused
        // at the next start.
        QSaveFile out(target);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
            result.error = QStringLiteral("No se puede guardar la escala en «%1».").arg(target);
            return result;
        }
    }
    result.entry = ScaleEntry{std::make_shared<const PayScale>(std::move(*read.scale)), target};
    return result;
}

} // namespace haberes

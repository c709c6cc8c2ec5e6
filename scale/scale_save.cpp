// Saving a scale made in the program: a name any file system takes, and a
// file written whole or not at all.
#include "scale/scale_save.h"

#include "common/file_names.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace haberes {

namespace {

constexpr qsizetype kMaxNameLength = 120;

} // namespace

QString scaleFileName(const std::string& nombre)
{
    QString name;
    for (const QChar c : QString::fromStdString(nombre))
        name += refusedInFileNames(c) ? QChar(u'-') : c;
    name = name.trimmed();
    if (name.size() > kMaxNameLength) {
        // Not between the two halves of a character beyond the first plane.
        const qsizetype cut = name.at(kMaxNameLength - 1).isHighSurrogate() ? kMaxNameLength - 1 : kMaxNameLength;
        name = name.left(cut).trimmed();
    }
    // Some systems drop trailing dots and blanks; a leading dot hides the file.
    while (name.endsWith(u'.') || name.endsWith(u' '))
        name.chop(1);
    if (name.startsWith(u'.'))
        name[0] = u'-';
    if (name.isEmpty())
        name = QStringLiteral("escala");
    return name + QStringLiteral(".json");
}

ScaleSaveResult saveScaleFile(const QString& folder, const QString& fileName, const std::string& text, bool replace,
                              const std::function<void(QSaveFile&)>& beforeCommit)
{
    ScaleSaveResult result;
    result.path = QDir(folder).filePath(fileName);
    const QFileInfo target(result.path);
    if (target.exists() && !replace) {
        result.exists = true;
        return result;
    }
    if (target.isDir()) {
        result.error = QStringLiteral("No se pudo guardar la escala «%1»: hay una carpeta con ese nombre.")
                           .arg(QDir::toNativeSeparators(result.path));
        return result;
    }
    if (!QDir().mkpath(folder)) {
        result.error = QStringLiteral("No se pudo guardar la escala: no se puede crear la carpeta «%1».")
                           .arg(QDir::toNativeSeparators(folder));
        return result;
    }
    QSaveFile file(result.path);
    const auto failed = [&](const QString& why) {
        file.cancelWriting();
        result.error = QStringLiteral("No se pudo guardar la escala «%1»: %2. El archivo anterior, si había uno, "
                                      "quedó como estaba.")
                           .arg(QDir::toNativeSeparators(result.path), why);
        return result;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed(QStringLiteral("no se puede escribir en esa carpeta"));
    const auto size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size)
        return failed(QStringLiteral("no se pudo escribir todo (¿disco lleno?)"));
    if (beforeCommit)
        beforeCommit(file);
    if (!file.commit()) {
        result.error = QStringLiteral("No se pudo guardar la escala «%1»: la escritura no terminó. El archivo "
                                      "anterior, si había uno, quedó como estaba.")
                           .arg(QDir::toNativeSeparators(result.path));
        return result;
    }
    return result;
}

} // namespace haberes

#include "entry/entries_file.h"

#include "entry/qt_text.h"
#include "record/entries_text.h"
#include "record/record_writer.h"
#include "record/simdjson_source.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace haberes {

namespace {

QString quoted(const QString& text)
{
    return QStringLiteral("«%1»").arg(text);
}

QString fileLabel(const QString& path)
{
    return quoted(QFileInfo(path).fileName());
}

EntriesFileRead refused(const QString& fileName, const QString& why)
{
    EntriesFileRead r;
    r.error = qtext(record::entriesRefusal(utf8(fileName), utf8(why)));
    return r;
}

} // namespace

QByteArray entriesFileText(const SavedEntries& saved, const PayScale& scale)
{
    record::PayRecord r{saved.entries, utf8(saved.comentario), std::nullopt, saved.escala};
    if (!saved.cobrado.empty())
        r.cobrado = saved.cobrado;
    return QByteArray::fromStdString(record::recordText(r, scale));
}

EntriesFileRead entriesFromFileText(const QByteArray& text, const QString& fileName, const record::ScaleFor& scaleFor)
{
    record::SimdjsonSource json;
    const std::string_view bytes(text.constData(), std::size_t(text.size()));
    record::EntriesRead read =
        scaleFor ? record::readEntriesText(json, bytes, utf8(fileName), scaleFor)
                 : record::readEntriesText(json, bytes, utf8(fileName));
    EntriesFileRead r;
    if (!read.record) {
        r.error = qtext(read.error);
        return r;
    }
    r.saved = SavedEntries{std::move(read.record->entries), qtext(read.record->comentario),
                           read.record->cobrado.value_or(PaidTexts{}), std::move(read.record->escala)};
    r.scale = read.scale;
    return r;
}

EntriesFileRead readEntriesFile(const QString& path, const record::ScaleFor& scaleFor)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    const QFileInfo info(path);
    if (!info.exists())
        return refused(name, QStringLiteral("el archivo no existe"));
    if (info.isDir())
        return refused(name, QStringLiteral("es una carpeta"));
    if (!file.open(QIODevice::ReadOnly))
        return refused(name, QStringLiteral("no se puede leer (¿permisos?)"));
    // Read one byte past the limit to tell a big file from one of the limit.
    const QByteArray text = file.read(kMaxEntriesFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(name, QStringLiteral("no se pudo leer hasta el final"));
    if (text.size() > kMaxEntriesFileSize)
        return refused(name, QStringLiteral("es demasiado grande para ser un archivo de datos"));
    return entriesFromFileText(text, name, scaleFor);
}

bool writeEntriesFile(const QString& path, const QByteArray& text, QString& error,
                      const std::function<void(QSaveFile&)>& beforeCommit)
{
    QSaveFile file(path);
    const auto failed = [&](const QString& why) {
        file.cancelWriting();
        error = QStringLiteral("No se pudo guardar el archivo de datos %1: %2. El archivo anterior, si "
                               "había uno, quedó como estaba.")
                    .arg(fileLabel(path), why);
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed(QStringLiteral("no se puede escribir en esa carpeta"));
    if (file.write(text) != text.size())
        return failed(QStringLiteral("no se pudo escribir todo (¿disco lleno?)"));
    if (beforeCommit)
        beforeCommit(file);
    if (!file.commit()) {
        error = QStringLiteral("No se pudo guardar el archivo de datos %1: la escritura no terminó. El "
                               "archivo anterior, si había uno, quedó como estaba.")
                    .arg(fileLabel(path));
        return false;
    }
    return true;
}

} // namespace haberes

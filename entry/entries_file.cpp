#include "entry/entries_file.h"

#include "engine/position_entries.h"
#include "entry/qt_text.h"
#include "record/record_reader.h"
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
    r.error = QStringLiteral("No se pudo abrir el archivo de datos %1: %2.").arg(quoted(fileName), why);
    return r;
}

QString key(std::string PayEntries::*box)
{
    return qtext(record::recordKey(box));
}

} // namespace

QByteArray entriesFileText(const SavedEntries& saved)
{
    return QByteArray::fromStdString(record::recordText({saved.entries, utf8(saved.comentario)}));
}

EntriesFileRead entriesFromFileText(const QByteArray& text, const QString& fileName)
{
    const QByteArray line = text.trimmed();
    if (line.isEmpty())
        return refused(fileName, QStringLiteral("está vacío"));
    if (line.contains('\n'))
        return refused(fileName, QStringLiteral("tiene más de una línea y debe tener un solo registro"));

    record::SimdjsonSource json;
    record::RecordRead read = record::readRecord(json, std::string_view(line.constData(), std::size_t(line.size())));
    if (!read.record)
        return refused(fileName, qtext(read.error));

    const PayEntries& e = read.record->entries;
    // The dialog lists the basic points of the row its code chooses; other
    // points could not be shown there, and would compute another payslip.
    PayEntries row;
    choosePositionByCode(row, e.codigocargo);
    if (e.puntosbasicos != row.puntosbasicos)
        return refused(fileName, QStringLiteral("\"%1\" debe ser el puntaje del cargo de \"%2\" (%3)")
                                     .arg(key(&PayEntries::puntosbasicos), key(&PayEntries::codigocargo),
                                          row.puntosbasicos.empty() ? QStringLiteral("ninguno")
                                                                    : quoted(qtext(row.puntosbasicos))));
    // Every text the file puts into a box.
    for (const record::RecordKey& k : record::recordKeys())
        if (k.box && qtext(e.*k.box).size() > kMaxBoxText)
            return refused(fileName, QStringLiteral("\"%1\" es más largo que lo que admite su casilla (%2 caracteres)")
                                         .arg(qtext(k.name))
                                         .arg(kMaxBoxText));

    EntriesFileRead r;
    r.saved = SavedEntries{e, qtext(read.record->comentario)};
    return r;
}

EntriesFileRead readEntriesFile(const QString& path)
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
    return entriesFromFileText(text, name);
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

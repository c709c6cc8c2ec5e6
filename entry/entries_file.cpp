#include "entry/entries_file.h"

#include "cli/record_json.h"
#include "entry/position_entries.h"
#include "entry/qt_text.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <array>

#include <utility>

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

int selectedSeniority(const PayEntries& e)
{
    for (std::size_t i = 0; i < e.Option.size(); ++i)
        if (e.Option[i])
            return static_cast<int>(i) + 1;
    return 0;
}

// Every text the file puts into a box, by its key.
std::array<std::pair<const char*, const std::string*>, 18> boxTexts(const PayEntries& e)
{
    return {{{"docente", &e.docente},
             {"codigocargo", &e.codigocargo},
             {"cargox", &e.cargox},
             {"punbas", &e.punbas},
             {"proljor", &e.proljor},
             {"jorcom", &e.jorcom},
             {"tardif", &e.tardif},
             {"compbas", &e.compbas},
             {"numerohorasmed", &e.numerohorasmed},
             {"numerohorassup", &e.numerohorassup},
             {"numhorascod06", &e.numhorascod06},
             {"numhorasincen", &e.numhorasincen},
             {"numhorascod113", &e.numhorascod113},
             {"dinasist", &e.dinasist},
             {"cantkm", &e.cantkm},
             {"cantidadhijos", &e.cantidadhijos},
             {"cantidadhijosdisc", &e.cantidadhijosdisc},
             {"puntosbasicos", &e.puntosbasicos}}};
}

} // namespace

QByteArray entriesFileText(const SavedEntries& saved)
{
    const PayEntries& e = saved.entries;
    QJsonObject o;
    o.insert("docente", qtext(e.docente));
    o.insert("cargo", e.cargo);
    o.insert("horasmedio", e.horasmedio);
    o.insert("horassup", e.horassup);

    PayEntries row;
    choosePositionByCode(row, e.codigocargo);
    if (!e.codigocargo.empty())
        o.insert("codigocargo", qtext(e.codigocargo));
    const std::pair<const char*, std::string PayEntries::*> dialogBoxes[] = {
        {"cargox", &PayEntries::cargox}, {"punbas", &PayEntries::punbas},   {"proljor", &PayEntries::proljor},
        {"jorcom", &PayEntries::jorcom}, {"tardif", &PayEntries::tardif}, {"compbas", &PayEntries::compbas}};
    for (const auto& [key, member] : dialogBoxes)
        if (e.*member != row.*member)
            o.insert(key, qtext(e.*member));

    o.insert("numerohorasmed", qtext(e.numerohorasmed));
    o.insert("numerohorassup", qtext(e.numerohorassup));
    o.insert("numhorascod06", qtext(e.numhorascod06));
    o.insert("numhorasincen", qtext(e.numhorasincen));
    o.insert("numhorascod113", qtext(e.numhorascod113));
    o.insert("antiguedad", selectedSeniority(e));
    o.insert("zona", e.zona);
    o.insert("opincentivo", e.opincentivo);
    o.insert("dinasist", qtext(e.dinasist));
    o.insert("transporte", e.transporte);
    o.insert("cantkm", qtext(e.cantkm));
    o.insert("hijos", e.hijos);
    o.insert("cantidadhijos", qtext(e.cantidadhijos));
    o.insert("hijosdisc", e.hijosdisc);
    o.insert("cantidadhijosdisc", qtext(e.cantidadhijosdisc));
    o.insert("conyuge", e.conyuge);
    o.insert("Iosper", e.Iosper);
    o.insert("Osplad", e.Osplad);
    o.insert("APORTEJUB", e.APORTEJUB);
    o.insert("Ley4035", e.Ley4035);
    o.insert("ZUTEL", e.ZUTEL);
    o.insert("cajacomp", e.cajacomp);
    o.insert("Seguro3011", e.Seguro3011);
    o.insert("comentario", saved.comentario);
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

EntriesFileRead entriesFromFileText(const QByteArray& text, const QString& fileName)
{
    const QByteArray line = text.trimmed();
    if (line.isEmpty())
        return refused(fileName, QStringLiteral("está vacío"));
    if (line.contains('\n'))
        return refused(fileName, QStringLiteral("tiene más de una línea y debe tener un solo registro"));

    const cli::RecordParse parse = cli::parseRecord(std::string_view(line.constData(), std::size_t(line.size())));
    if (!parse.entries)
        return refused(fileName, qtext(parse.error));

    const PayEntries& e = *parse.entries;
    // The dialog lists the basic points of the row its code chooses; other
    // points could not be shown there, and would compute another payslip.
    PayEntries row;
    choosePositionByCode(row, e.codigocargo);
    if (e.puntosbasicos != row.puntosbasicos)
        return refused(fileName, QStringLiteral("\"puntosbasicos\" debe ser el puntaje del cargo de "
                                                "\"codigocargo\" (%1)")
                                     .arg(row.puntosbasicos.empty() ? QStringLiteral("ninguno")
                                                                    : quoted(qtext(row.puntosbasicos))));
    for (const auto& [key, value] : boxTexts(e))
        if (qtext(*value).size() > kMaxBoxText)
            return refused(fileName, QStringLiteral("\"%1\" es más largo que lo que admite su casilla (%2 caracteres)")
                                         .arg(QLatin1String(key))
                                         .arg(kMaxBoxText));

    EntriesFileRead r;
    r.saved = SavedEntries{e, qtext(parse.comentario)};
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

// Scale files read from QByteArray and from a path, for the Qt programs.
#include "scale/scale_file.h"

#include "scale/scale_limits.h"

#include <QFile>
#include <QFileInfo>

namespace haberes {

ScaleFileResult readScale(const QByteArray& json, const QString& fileName)
{
    ScaleText read = readScaleText(std::string_view(json.constData(), static_cast<std::size_t>(json.size())),
                                   fileName.toStdString());
    return {std::move(read.scale), QString::fromStdString(read.error)};
}

ScaleFileResult readScaleFile(const QString& path)
{
    QFile f(path);
    const QString name = QFileInfo(path).filePath();
    if (!f.open(QIODevice::ReadOnly))
        return {std::nullopt, QStringLiteral("No se puede leer la escala «%1»: el archivo no existe o no se puede abrir.").arg(name)};
    if (f.size() > kMaxScaleFileBytes)
        return {std::nullopt, QStringLiteral("La escala «%1» no es válida: el archivo es demasiado grande.").arg(name)};
    return readScale(f.readAll(), name);
}

} // namespace haberes

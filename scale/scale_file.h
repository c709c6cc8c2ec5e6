#pragma once
// Pay scale files for the Qt programs: one JSON object per scale, read whole
// or refused whole (by the plain reader of scale_format.h), and written
// back so that reading gives the same scale.
#include "scale/scale_format.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace haberes {

struct ScaleFileResult {
    std::optional<PayScale> scale;
    // Without a scale: why, in Spanish, naming the file, the key (its JSON
    // path) and what it must hold.
    QString error;
};

// Reads a scale from the contents of a file; fileName only names it in the
// message.
ScaleFileResult readScale(const QByteArray& json, const QString& fileName);
// Reads the file at path.
ScaleFileResult readScaleFile(const QString& path);

} // namespace haberes

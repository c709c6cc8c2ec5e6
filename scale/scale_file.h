#pragma once
// Pay scale files: one JSON object per scale, read whole or refused whole,
// and written back so that reading gives the same scale.
#include "engine/pay_scale.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

namespace haberes {

inline constexpr int kScaleFormat = 1;

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

// The scale in the file format: fixed key order, one position a line,
// numbers written so that they read back to the same value.
std::string writeScale(const PayScale& scale);

} // namespace haberes

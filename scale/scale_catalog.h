#pragma once
// The scales the program offers: the built-in one and every valid *.json in
// haberes/escalas under the user's and the system's data folders.
#include "engine/pay_scale.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace haberes {

struct ScaleEntry {
    std::shared_ptr<const PayScale> scale;
    QString path; // the file; empty for the built-in scale

    bool builtin() const { return path.isEmpty(); }
};

struct ScaleCatalog {
    // Newest effective month first; of one month, files before the built-in
    // scale, in folder order.
    std::vector<ScaleEntry> scales;
    // One message for each file left out.
    QStringList problems;
};

// haberes/escalas under each standard data folder, the user's first.
QStringList scaleFolders();
// haberes/escalas under the user's data folder, where opened scales are kept.
QString userScaleFolder();

// The built-in scale and the valid files of the folders. A file name found
// in an earlier folder hides the same name in later ones.
ScaleCatalog findScales(const QStringList& folders = scaleFolders());

// Whether the scale's effective month is not after today's.
bool inForce(const PayScale& scale, QDate today);

// The scale to start on: the newest whose month is not after today's (the
// oldest when all are).
std::size_t startingScale(const ScaleCatalog& catalog, QDate today);

// "AAAA-MM" of the scale's effective month.
QString effectiveMonth(const PayScale& scale);

struct InstallResult {
    std::optional<ScaleEntry> entry; // the copy in the user's folder
    QString error;                   // why not, in Spanish
};

// Checks the file and, when it is a valid scale, copies it into the folder
// (the user's scale folder) under its own name, or a free variant of it.
InstallResult installScale(const QString& file, const QString& folder = userScaleFolder());

} // namespace haberes

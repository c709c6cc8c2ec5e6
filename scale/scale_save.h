#pragma once
// Saving a scale made in the program among the user's scales: the file is
// named after the scale and written whole or not at all; another file of
// that name is replaced only when the caller says so (after asking).
#include <QString>

#include <functional>
#include <string>

class QSaveFile;

namespace haberes {

// The scale's name made into a file name: "Desde Marzo de 2.027.json".
// Characters no file system takes become "-"; never empty, never hidden,
// at most 120 characters before ".json".
QString scaleFileName(const std::string& nombre);

struct ScaleSaveResult {
    QString path;        // the file written, or that would be
    bool exists = false; // nothing written: a file of that name is there
    QString error;       // nothing written: why, in Spanish
};

// Writes text to folder/fileName (creating the folder), through a
// temporary file renamed over the old one only when all was written: a
// failed save leaves the old file as it was. `beforeCommit` lets a test
// break the save halfway.
ScaleSaveResult saveScaleFile(const QString& folder, const QString& fileName, const std::string& text,
                              bool replace, const std::function<void(QSaveFile&)>& beforeCommit = {});

} // namespace haberes

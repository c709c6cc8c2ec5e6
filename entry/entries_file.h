#pragma once
// Entries kept in a file: one JSON object on one line, in the input record
// of haberes-cli plus the payslip's comment (`comentario`), the amounts
// paid (`cobrado`) and the name of the scale they were made under
// (`escala`), so that
// `haberes-cli FILE` computes the payslip the windows compute.
#include "engine/pay_input.h"
#include "engine/pay_scale.h"
#include "engine/payslip_control.h"
#include "record/record_reader.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QSaveFile;

namespace haberes {

struct SavedEntries {
    PayEntries entries;
    QString comentario;
    // What the paper payslip says was paid, by line code, as typed; none
    // typed, none kept.
    PaidTexts cobrado;
    // The name of the scale they were made under; none in files saved
    // before entries kept it.
    std::optional<std::string> escala;
};

// The file's one line, newline included. The position dialog's texts are
// written only where they differ from what the code's row of `scale` (the
// one named) puts there, and the listed basic points never: the code brings
// them.
QByteArray entriesFileText(const SavedEntries& saved, const PayScale& scale = builtinScale());

struct EntriesFileRead {
    std::optional<SavedEntries> saved;
    QString error;                   // Spanish; names the file and, when there is one, the key
    const PayScale* scale = nullptr; // the scale the entries were checked under
};

// The whole file read and checked, under the scale scaleFor gives for the
// name the file holds (the built-in one without scaleFor); nothing is
// applied to any window here.
EntriesFileRead readEntriesFile(const QString& path, const record::ScaleFor& scaleFor = {});
EntriesFileRead entriesFromFileText(const QByteArray& text, const QString& fileName,
                                    const record::ScaleFor& scaleFor = {});

// Written to a temporary file beside `path` and renamed over it only when
// all of it was written: a failed save leaves the old file as it was.
// `beforeCommit` lets a test break the save halfway.
bool writeEntriesFile(const QString& path, const QByteArray& text, QString& error,
                      const std::function<void(QSaveFile&)>& beforeCommit = {});

// Far more than any record; a bigger file is not one.
inline constexpr qint64 kMaxEntriesFileSize = 1 << 20;

} // namespace haberes

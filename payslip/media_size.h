#pragma once
// The paper a printer names in IPP: "iso_a4_210x297mm",
// "na_letter_8.5x11in", a class, a size name and the size itself.
#include <QPageSize>
#include <QString>

#include <optional>

namespace haberes {

// The size written in a media name, portrait; nothing when the name has no
// size of its own (a bare "A4", say) or one that is not a sheet.
std::optional<QPageSize> mediaSize(const QString& mediaName);

// A4, the usual paper here: the page when the printer's is not known.
QPageSize usualPageSize();

} // namespace haberes

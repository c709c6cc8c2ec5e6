#pragma once
// File names made from what the user typed (a teacher's name, a scale's
// name): the characters some file system refuses in a name.
#include <QChar>
#include <QString>

namespace haberes {

// Folder separators, the marks Windows keeps for itself, and control
// characters.
inline bool refusedInFileNames(QChar c)
{
    return c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c);
}

} // namespace haberes

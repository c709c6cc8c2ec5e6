#pragma once
// A label that shows a long text whole on up to two lines, for names that
// do not fit one line of their box (position 683's, for one).
#include <QFont>
#include <QString>

class QLabel;

namespace haberes {

// One line as setFittedText sets it when the text fits there; otherwise
// two lines in the widest, then largest, font at which they fit the
// label's width and maxHeight pixels, the label grown to that height.
// Shortened with "…" (the whole text in the tooltip) only when not even
// the smallest font takes it on two lines.
void setTwoLineText(QLabel* label, const QString& text, const QFont& base, int oneLineHeight, int maxHeight);

} // namespace haberes

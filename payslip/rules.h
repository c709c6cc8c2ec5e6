#pragma once
// The drawn lines of the payslip: one-pixel black widgets, crisp at any
// scaling, placed by their ends in twips.
#include <QString>

class QFrame;
class QWidget;

namespace haberes {

QFrame* makeRule(QWidget* parent, const QString& name);
// A rule from x1 to x2 at height y.
void placeHorizontal(QFrame* rule, int x1, int x2, int y);
// A rule at x from y1 down to y2.
void placeVertical(QFrame* rule, int x, int y1, int y2);

} // namespace haberes

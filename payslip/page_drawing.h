#pragma once
// The printed page: a part of the window drawn from its controls (see
// paper_page.h), fitted to one page of a PDF. The same PDF is saved for the
// user or handed to the printer.
#include <QPageSize>
#include <QRect>
#include <QSizeF>
#include <QString>

class QIODevice;
class QWidget;

namespace haberes {

// How much an image must shrink to fit the printable area, proportions
// kept; 1 when it fits as it is.
double fitFactor(QSizeF image, QSizeF printable);

// area of window (in its pixels, 96 to the inch) on one page of size, at
// the top, centred across, at its screen size when it fits, smaller when
// not. False when nothing could be written.
bool writePdf(QIODevice& out, const QWidget& window, const QRect& area, const QString& title,
              const QPageSize& size);
// The same into a file; false when it cannot be written.
bool writePdf(const QString& path, const QWidget& window, const QRect& area, const QString& title,
              const QPageSize& size);

} // namespace haberes

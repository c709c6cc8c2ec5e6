#pragma once
// The paper version of a window drawn from what its controls hold: the
// texts of labels and boxes, the frames of boxes and of the panel, the
// rules and the backgrounds. Nothing of the screen's interaction (focus,
// selection, text cursor, hover, scroll bars, buttons) exists there, and
// nothing is drawn half-transparent, so that printer drivers keep every
// text as text. That drawing fitted to one page of a PDF is the printed
// page: the same PDF is saved for the user or handed to the printer.
#include <QPageSize>
#include <QRect>
#include <QSizeF>
#include <QString>

class QIODevice;
class QPainter;
class QRect;
class QWidget;

namespace haberes {

// Draws the part area of window, its background and its shown controls
// (hidden ones and buttons left out) at their places, in the window's
// pixels. The area may reach past the window's edges.
void paintControls(QPainter& painter, const QWidget& window, const QRect& area);

// ---- The printed page: a part of the window drawn as above, fitted to
// one page of a PDF.

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

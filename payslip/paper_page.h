#pragma once
// The paper version of a window drawn from what its controls hold: the
// texts of labels and boxes, the frames of boxes and of the panel, the
// rules and the backgrounds. Nothing of the screen's interaction (focus,
// selection, text cursor, hover, scroll bars, buttons) exists there, and
// nothing is drawn half-transparent, so that printer drivers keep every
// text as text.
class QPainter;
class QRect;
class QWidget;

namespace haberes {

// Draws the part area of window, its background and its shown controls
// (hidden ones and buttons left out) at their places, in the window's
// pixels. The area may reach past the window's edges.
void paintControls(QPainter& painter, const QWidget& window, const QRect& area);

} // namespace haberes

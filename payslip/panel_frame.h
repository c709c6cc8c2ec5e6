#pragma once
// The panel "Recibo de haberes": a group box drawn as plain lines with its
// title set into the top line, the same on screen and on paper, and what a
// screen reader finds in it.
#include <QGroupBox>
#include <QList>

class QPainter;

namespace haberes {

class PanelFrame : public QGroupBox {
public:
    PanelFrame(const QString& title, QWidget* parent);

    // The lines and the title, in the panel's own coordinates.
    void paintFrame(QPainter& painter) const;

    // The widgets a screen reader goes through, in this order; those hidden
    // or empty are passed over (installPanelAccessibility below).
    void setReadingOrder(QList<QWidget*> order) { readingOrder_ = std::move(order); }
    const QList<QWidget*>& readingOrder() const { return readingOrder_; }

protected:
    // Drawn here rather than by the style: styles draw the frame with
    // half-transparent images, which printer drivers flatten into one
    // bitmap with all the text over it, and behind a clip of their own that
    // lets the frame run past the window's edge on paper.
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QWidget*> readingOrder_;
};

// ---- What a screen reader finds in the panel "Recibo de haberes": its
// texts in reading order (the teacher's name, then row by row code,
// quantity, concept and amount, then each total after its caption),
// without the drawn rules and without cells that are hidden or empty.

// Gives every PanelFrame its reading order from then on; installs once.
void installPanelAccessibility();

// The panel's interface, if one was made before the panel was whole (a
// screen reader asks while widgets are built), is made anew.
void refreshPanelAccessibility(PanelFrame* panel);

} // namespace haberes

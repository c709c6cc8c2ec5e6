#pragma once
// The panel "Recibo de haberes": a group box drawn as plain lines with its
// title set into the top line, the same on screen and on paper.
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
    // or empty are passed over (payslip/panel_accessible.h).
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

} // namespace haberes

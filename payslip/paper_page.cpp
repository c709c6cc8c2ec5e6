#include "payslip/paper_page.h"

#include "payslip/panel_frame.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QStyle>

#include <algorithm>

namespace haberes {

namespace {

// The outline of a text box on paper.
const QColor kBoxOutline(128, 128, 128);
// Room between a box's outline and its text, as the boxes have on screen.
constexpr int kBoxPadding = 3;
// The smallest a comment is set to fit its box on paper.
constexpr int kSmallestCommentPixels = 6;

void paintBox(QPainter& painter, const QWidget& box, const QRect& place)
{
    painter.fillRect(place, box.palette().color(QPalette::Base));
    painter.setPen(kBoxOutline);
    painter.drawRect(place.adjusted(0, 0, -1, -1));
}

void paintLabel(QPainter& painter, const QLabel& label, const QRect& place)
{
    const QRect text = label.contentsRect().translated(place.topLeft());
    int flags = int(label.alignment());
    if (label.wordWrap())
        flags |= Qt::TextWordWrap;
    painter.setFont(label.font());
    painter.setPen(label.palette().color(QPalette::WindowText));
    if (label.frameShape() != QFrame::NoFrame)
        painter.drawRect(place.adjusted(0, 0, -1, -1));
    painter.drawText(text, flags, label.text());
}

void paintLineEdit(QPainter& painter, const QLineEdit& edit, const QRect& place)
{
    if (edit.hasFrame())
        paintBox(painter, edit, place);
    const int inset = edit.hasFrame() ? kBoxPadding : 0;
    const QRect text = place.adjusted(inset + 2, inset, -inset - 2, -inset);
    painter.save();
    painter.setClipRect(place);
    painter.setFont(edit.font());
    painter.setPen(edit.palette().color(QPalette::Text));
    // The start of the text, as the box shows it.
    painter.drawText(text, int(edit.alignment() & Qt::AlignVertical_Mask) | Qt::AlignLeft, edit.text());
    painter.restore();
}

// A comment longer than its box is set smaller, down to a floor, so that
// all of it reaches the paper.
void paintPlainText(QPainter& painter, const QPlainTextEdit& edit, const QRect& place)
{
    paintBox(painter, edit, place);
    const QRect room = place.adjusted(kBoxPadding + 2, kBoxPadding, -kBoxPadding - 2, -kBoxPadding);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QString text = edit.toPlainText();
    QFont font = edit.font();
    for (int size = QFontInfo(font).pixelSize(); size > kSmallestCommentPixels; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).boundingRect(QRect(0, 0, room.width(), 1 << 20), flags, text).height() <=
            room.height())
            break;
    }
    painter.save();
    painter.setClipRect(place);
    painter.setFont(font);
    painter.setPen(edit.palette().color(QPalette::Text));
    painter.drawText(room, flags, text);
    painter.restore();
}

// Controls and their children, parents first as on screen.
void paintChildren(QPainter& painter, const QWidget& parent, QPoint origin)
{
    for (QObject* object : parent.children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow() || child->isHidden())
            continue;
        // Nothing to press or move on paper.
        if (qobject_cast<QAbstractButton*>(child) || qobject_cast<QAbstractSlider*>(child))
            continue;
        const QRect place(origin + child->pos(), child->size());
        if (child->autoFillBackground())
            painter.fillRect(place, child->palette().color(child->backgroundRole()));

        if (auto* label = qobject_cast<QLabel*>(child)) {
            paintLabel(painter, *label, place);
        } else if (auto* edit = qobject_cast<QLineEdit*>(child)) {
            paintLineEdit(painter, *edit, place);
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(child)) {
            paintPlainText(painter, *text, place);
        } else if (auto* panel = dynamic_cast<PanelFrame*>(child)) {
            painter.save();
            painter.translate(place.topLeft());
            panel->paintFrame(painter);
            painter.restore();
            paintChildren(painter, *child, place.topLeft());
        } else if (!qobject_cast<QAbstractScrollArea*>(child)) {
            paintChildren(painter, *child, place.topLeft());
        }
    }
}

} // namespace

void paintControls(QPainter& painter, const QWidget& window, const QRect& area)
{
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.fillRect(area, window.palette().color(window.backgroundRole()));
    paintChildren(painter, window, QPoint());
    painter.restore();
}

// ---- The page of the PDF.
namespace {

// The window is laid out at 96 pixels to the inch (15 twips a pixel).
constexpr double kWindowDpi = 96.0;
// Kept clear at every edge: most printers cannot print there.
const QMarginsF kPageMargins(10, 10, 10, 10); // millimetres

} // namespace

double fitFactor(QSizeF image, QSizeF printable)
{
    if (image.isEmpty() || printable.isEmpty())
        return 1.0;
    return std::min({1.0, printable.width() / image.width(), printable.height() / image.height()});
}

bool writePdf(QIODevice& out, const QWidget& window, const QRect& area, const QString& title,
              const QPageSize& size)
{
    QPdfWriter pdf(&out);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("haberes"));
    pdf.setPageLayout(QPageLayout(size, QPageLayout::Portrait, kPageMargins, QPageLayout::Millimeter));

    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    const double toPage = pdf.resolution() / kWindowDpi;
    const QSizeF printable(pdf.width(), pdf.height());
    const double scale = toPage * fitFactor(QSizeF(area.size()) * toPage, printable);
    const double left = std::max(0.0, (printable.width() - area.width() * scale) / 2);
    painter.translate(left, 0);
    painter.scale(scale, scale);
    painter.translate(-area.topLeft());
    paintControls(painter, window, area);
    return painter.end();
}

bool writePdf(const QString& path, const QWidget& window, const QRect& area, const QString& title,
              const QPageSize& size)
{
    // Written aside and put in place whole: a failure never leaves half a
    // file, nor spoils the one that was there.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!writePdf(file, window, area, title, size)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace haberes

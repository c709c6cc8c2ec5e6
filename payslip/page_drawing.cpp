#include "payslip/page_drawing.h"

#include "payslip/paper_page.h"

#include <QFile>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

namespace haberes {

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

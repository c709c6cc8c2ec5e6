#include "payslip/page_drawing.h"

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include <algorithm>

namespace haberes {

QPicture recordClientArea(QWidget& window)
{
    // Each child is recorded on its own and played back inside its part of
    // the window. Recorded all at once, the clips that widgets set while
    // painting let a child that reaches past the window's edge (the panel
    // does) spill over it on paper.
    const QRect area = window.rect();
    QPicture picture;
    QPainter painter(&picture);
    painter.setClipRect(area);
    painter.fillRect(area, window.palette().brush(window.backgroundRole()));
    for (QObject* object : window.children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow() || child->isHidden())
            continue;
        const QRect shown = child->geometry() & area;
        if (shown.isEmpty())
            continue;
        // The part starts at the top left of what is shown of the child.
        QPicture part;
        child->render(&part, QPoint(), QRegion(shown.translated(-child->pos())),
                      QWidget::DrawWindowBackground | QWidget::DrawChildren);
        painter.save();
        painter.setClipRect(shown);
        painter.drawPicture(shown.topLeft(), part);
        painter.restore();
    }
    painter.end();
    return picture;
}

double fitFactor(QSizeF image, QSizeF printable)
{
    if (image.isEmpty() || printable.isEmpty())
        return 1.0;
    return std::min({1.0, printable.width() / image.width(), printable.height() / image.height()});
}

bool drawPage(QPrinter& printer, const QPicture& picture, QSize size)
{
    QPainter painter;
    // A printer that cannot start (no device, a file that cannot be
    // written) says so only here.
    if (!painter.begin(&printer))
        return false;

    // Screen pixels become printer dots when the picture is played (it
    // scales itself by the ratio of the two resolutions); on top of that
    // the page may need it smaller.
    const double toPrinter = double(printer.logicalDpiX()) / double(picture.logicalDpiX());
    const QSizeF printable(printer.width(), printer.height());
    const double fit = fitFactor(QSizeF(size) * toPrinter, printable);
    const QSizeF onPaper = QSizeF(size) * (toPrinter * fit);
    const QRectF place(QPointF(std::max(0.0, (printable.width() - onPaper.width()) / 2), 0), onPaper);

    painter.setClipRect(place);
    painter.translate(place.topLeft());
    painter.scale(fit, fit);
    painter.drawPicture(0, 0, picture);
    const bool ended = painter.end();
    return ended && printer.printerState() != QPrinter::Error;
}

bool printOn(const QString& printerName, const QPicture& picture, QSize size, const QString& title)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    // Without a real device Qt quietly writes a PDF to no file.
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return false;
    printer.setDocName(title);
    return drawPage(printer, picture, size);
}

bool saveAsPdf(const QString& path, const QPicture& picture, QSize size, const QString& title)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                              : QPageSize::A4));
    printer.setDocName(title);
    return drawPage(printer, picture, size);
}

} // namespace haberes

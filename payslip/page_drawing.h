#pragma once
// The printed page: the window recorded as drawing commands and played back
// on a printer or into a PDF, so that on paper text stays text and rules
// stay lines. The same page goes to either.
#include <QPicture>
#include <QSizeF>
#include <QString>

class QPrinter;
class QWidget;

namespace haberes {

// The window's client area as the user sees it, scrolled-out parts left
// out.
QPicture recordClientArea(QWidget& window);

// How much an image must shrink to fit the printable area, proportions
// kept; 1 when it fits as it is.
double fitFactor(QSizeF image, QSizeF printable);

// The picture on one page in the printer's own orientation, at the top,
// centred across, at its screen size when it fits, smaller when not. False
// when the printer cannot be painted on or reports an error.
bool drawPage(QPrinter& printer, const QPicture& picture, QSize size);

// The default printer by name, the title showing in its queue; false when
// it is gone or the job fails.
bool printOn(const QString& printerName, const QPicture& picture, QSize size, const QString& title);

// The same page in a PDF file; false when the file cannot be written.
bool saveAsPdf(const QString& path, const QPicture& picture, QSize size, const QString& title);

} // namespace haberes

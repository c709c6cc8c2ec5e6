#include "payslip/media_size.h"

#include <QRegularExpression>
#include <QSizeF>

#include <algorithm>

namespace haberes {

std::optional<QPageSize> mediaSize(const QString& mediaName)
{
    // class_name_WIDTHxLENGTHunit, perhaps with more after it
    // ("_borderless"); the name itself may hold digits and dots.
    static const QRegularExpression self(QStringLiteral("^[a-z0-9]+_[a-z0-9.-]*_"
                                                        "(\\d+(?:\\.\\d+)?)x(\\d+(?:\\.\\d+)?)(mm|in)(?:_|$)"));
    const QRegularExpressionMatch match = self.match(mediaName);
    if (!match.hasMatch())
        return std::nullopt;
    const double width = match.captured(1).toDouble();
    const double length = match.captured(2).toDouble();
    if (width <= 0 || length <= 0)
        return std::nullopt;
    const QPageSize::Unit unit = match.captured(3) == QLatin1String("mm") ? QPageSize::Millimeter : QPageSize::Inch;
    // A size close to a standard one is taken as that one (A4, Letter), so
    // the page has exactly its size in points.
    const QPageSize size(QSizeF(std::min(width, length), std::max(width, length)), unit);
    return size.isValid() ? std::optional(size) : std::nullopt;
}

QPageSize usualPageSize()
{
    return QPageSize(QPageSize::A4);
}

} // namespace haberes

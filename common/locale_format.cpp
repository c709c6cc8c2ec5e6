#include "common/locale_format.h"

namespace haberes {

NumberFormat numberFormat(const QLocale& locale)
{
    return NumberFormat{locale.decimalPoint().toStdString()};
}

QString payslipDate(const QLocale& locale, const QDateTime& when)
{
    return locale.toString(when, QLocale::ShortFormat);
}

std::optional<QLocale> localeByName(const QString& name)
{
    QLocale locale(name);
    if (locale.language() == QLocale::C && name != QLatin1String("C") && name != QLatin1String("POSIX"))
        return std::nullopt;
    return locale;
}

} // namespace haberes

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

std::optional<QLocale> localeByName(const QString& fullName)
{
    // "es_AR.UTF-8@euro", as LANG holds it: the codeset and the modifier say
    // nothing about the number conventions.
    const QString name = fullName.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
    QLocale locale(name);
    if (locale.language() == QLocale::C && name != QLatin1String("C") && name != QLatin1String("POSIX"))
        return std::nullopt;
    return locale;
}

} // namespace haberes

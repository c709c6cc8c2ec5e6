#pragma once
// What the windows and haberes-cli take from the user's locale: the decimal
// separator for numbers and the date-and-time text of a payslip.
#include "engine/numbers.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <optional>

namespace haberes {

NumberFormat numberFormat(const QLocale& locale);
// Short date followed by the time, as the payslip shows it.
QString payslipDate(const QLocale& locale, const QDateTime& when);
// The locale named like "es_AR", "en_US" or "C", with or without a codeset
// and modifier ("es_AR.UTF-8@euro"); nothing for a name Qt does not know.
std::optional<QLocale> localeByName(const QString& name);

} // namespace haberes

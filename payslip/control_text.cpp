#include "payslip/control_text.h"

#include "payslip/cell_text.h"

namespace haberes {

namespace {

const QString kNone = QStringLiteral("—");

} // namespace

QString moneyText(std::optional<Currency> amount, std::string_view sep)
{
    return amount ? QStringLiteral("$ ") + qs(formatAmount(*amount, sep)) : kNone;
}

QString differenceText(std::optional<Currency> difference, std::string_view sep)
{
    if (!difference)
        return kNone;
    if (*difference == Currency())
        return QStringLiteral("$ 0");
    const bool less = *difference < Currency();
    const Currency size = less ? Currency() - *difference : *difference;
    return (less ? QStringLiteral("-$ ") : QStringLiteral("+$ ")) + qs(formatAmount(size, sep));
}

QString markText(const ControlLine& line)
{
    if (!line.difference)
        return {};
    return line.differs() ? QStringLiteral("Difiere") : QStringLiteral("Coincide");
}

QString dueExplanation(const ControlLine& line)
{
    if (!line.due)
        return QStringLiteral("El recibo calculado con tus datos no tiene la línea %1: no se debe nada por ella.")
            .arg(qs(line.code));
    return qs(line.explanation);
}

QString totalName(const PayslipControl& control, const ControlLine& total)
{
    if (&total == &control.haberes)
        return QStringLiteral("Total haberes");
    if (&total == &control.descuentos)
        return QStringLiteral("Total descuentos");
    return QStringLiteral("Líquido a pagar");
}

} // namespace haberes

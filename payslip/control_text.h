#pragma once
// What the comparison of the paid amounts says, in the same words on the
// screen and on the page "Control del recibo".
#include "engine/payslip_control.h"

#include <QString>

#include <optional>
#include <string_view>

namespace haberes {

inline const QString kControlTitle = QStringLiteral("Control del recibo");

// "$ 1342,05"; "—" for no amount.
QString moneyText(std::optional<Currency> amount, std::string_view decimalSeparator);
// "+$ 1,5", "-$ 0,02", "$ 0"; "—" for no amount.
QString differenceText(std::optional<Currency> difference, std::string_view decimalSeparator);
// "Difiere" off by more than a cent, "Coincide" within it, "" with nothing
// typed: a word, so that the mark never rests on a colour alone.
QString markText(const ControlLine& line);
// How the due amount was formed, as the line carries it; for a code not
// computed, that it is due nothing.
QString dueExplanation(const ControlLine& line);
// The names of the totals: "Total haberes", "Total descuentos", "Líquido a pagar".
QString totalName(const PayslipControl& control, const ControlLine& total);
// Under the totals when codes were paid but not computed.
inline const QString kExtraCodesNote =
    QStringLiteral("Los códigos cobrados que no se calcularon no entran en los totales de haberes ni de "
                   "descuentos, porque no se sabe en cuál de los dos van; sí entran en el líquido.");

} // namespace haberes

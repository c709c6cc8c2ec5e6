#pragma once
// Every message a refused calculation shows, in one table, the same for the
// windows and haberes-cli. A refused box is named as the user sees it, and
// the message says what is wrong and what to type instead.
#include "engine/pay_input.h"

#include <string>
#include <string_view>

namespace haberes {

// No pay basis chosen: the entry window's message dialog.
inline constexpr std::string_view kNoPayBasisTitle = "Error de selección";
inline constexpr std::string_view kNoPayBasisMessage = "No seleccionaste cargo ni horas";

// A payslip whose net pay is below zero: most often a mistyped entry.
inline constexpr std::string_view kNegativeNetMessage = "¡Atención! Líquido a pagar negativo";
inline constexpr std::string_view kNegativeNetDetailMessage =
    "El líquido a pagar es negativo: los descuentos superan a los haberes. Revisá los datos.";

// Title of the notice about a refused box.
inline constexpr std::string_view kRefusedBoxTitle = "Dato incorrecto";

// A box whose text did not go through its conversion: text is what it
// holds, decimalSeparator the locale's.
std::string fieldMessage(Field field, std::string_view text, std::string_view decimalSeparator);

// A child count whose allowance would not fit: at most maxCount.
std::string childCountMessage(Field field, int maxCount);

// A value of a scale in the making whose typed text is not a number under
// the user's separator: caption is its caption, example a good value
// written with a point, decimals whether a fraction makes sense.
std::string scaleValueMessage(std::string_view caption, std::string_view text, std::string_view decimalSeparator,
                              std::string_view example, bool decimals);

// ---- What the paper payslip says was paid, line by line.
// A key that is neither a line code nor the net pay.
std::string paidKeyMessage(std::string_view key);
// A paid amount that does not convert: key is the line's code or "liquido".
std::string paidAmountMessage(std::string_view key, std::string_view text, std::string_view decimalSeparator,
                              std::int64_t maxMagnitude);
// An amount typed on a row added for a code not computed, with no code.
std::string paidCodeMissingMessage();
// A code typed on an added row that already has its row.
std::string paidCodeRepeatedMessage(std::string_view code);

// ---- The scale a record or a saved entries file names (`escala`).
// No scale of that name is installed.
std::string scaleNotInstalledMessage(std::string_view name);
// The record names another scale than the one it is computed with.
std::string scaleNotInUseMessage(std::string_view named, std::string_view inUse);
// Entries opened under the scale in use because theirs is not installed.
std::string scaleMissingNotice(std::string_view named, std::string_view inUse);

} // namespace haberes

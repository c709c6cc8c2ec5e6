#pragma once
// Number texts typed by the user, and numbers written back as text.
//
// A number text is: optional blanks, an optional sign, digits with at most
// one decimal separator (at least one digit in all), optional blanks. The
// separator is the user's locale's; anything else (letters, exponents,
// grouping, the other separator) does not convert.
#include "engine/currency.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace haberes {

// The locale conventions the engine needs, supplied by the caller.
struct NumberFormat {
    std::string decimalSeparator = ".";
};

// A number text split into its parts, as views into the text: digits
// only, leading zeros of the integer part dropped.
struct DecimalText {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
};

std::optional<DecimalText> parseNumberText(std::string_view text, std::string_view decimalSeparator);

// The five conversions of a typed text (text itself needs none). Each gives
// nothing when the text is not a number or lies outside [min, max]; integer
// and byte round to the nearest whole number, halves to even, before the
// range test; currency rounds to four decimals the same way, on the decimal
// value as written; real is the double nearest to it.
std::optional<std::int64_t> toWhole(std::string_view text, std::string_view sep, std::int64_t min, std::int64_t max);
std::optional<std::int16_t> toInteger(std::string_view text, std::string_view sep);
std::optional<std::uint8_t> toByte(std::string_view text, std::string_view sep);
std::optional<Currency> toCurrency(std::string_view text, std::string_view sep, std::int64_t maxMagnitude);
std::optional<double> toReal(std::string_view text, std::string_view sep, double maxMagnitude);

// ---- Why a text did not convert, so that the user can be told what to
// type instead.
enum class NumberFault {
    empty,              // nothing but blanks
    otherSeparator,     // "2.5" under a decimal comma
    decimalOrThousands, // "3.146" under a decimal comma: the other mark before three digits
    groupedDigits,      // "1.000.000" or "1.000,5" under a decimal comma
    notNumber,          // letters, exponents, anything else
    tooLarge,           // a number text above the conversion's range
    tooSmall,           // a number text below it
};
struct NumberDiagnosis {
    NumberFault fault = NumberFault::notNumber;
    std::string mark;      // the other mark the text holds ("." or ",")
    std::string asDecimal; // the text read with the other mark as the decimal separator
    std::string asWhole;   // the text with the marks dropped, read as thousands
};
// Meant for a text a conversion refused: a number text is taken to have
// passed the range, on the side of its sign; anything else is judged by its
// shape. asDecimal and asWhole are number texts whenever they are set.
NumberDiagnosis diagnoseNumberText(std::string_view text, std::string_view decimalSeparator);

// A double as plain decimal text: at most 15 significant digits, no
// exponent, no grouping, no trailing zeros ("1294,6").
std::string formatReal(double value, std::string_view decimalSeparator);

// A finite double as the fewest significant digits that read back (toReal)
// as the same value, with a point; written plain ("0.8947") or with an
// exponent ("1e-05"), whichever is shorter, plain on a tie.
std::string formatShortestReal(double value);

} // namespace haberes

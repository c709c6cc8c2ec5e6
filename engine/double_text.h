#pragma once
// The two conversions between doubles and decimal text that the number
// texts need, whatever the standard library offers: through <charconv>
// where it converts doubles, through strtod and snprintf in the "C" locale
// where it does not (emscripten's). Both roads give the same double and the
// same text; both are built wherever they can be, so that they can be
// compared.
#include <cstddef>
#include <string_view>
#include <version>

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
#define HABERES_CHARCONV_DOUBLES 1
#endif

namespace haberes {

enum class DoubleRead { ok, outOfRange, invalid };

// Reads digits with at most one '.' ("12.5", ".5", "007") as the nearest
// double, halves to even. Out of range when a number that is not zero
// comes out as zero or infinity; value is left as it was then, and when
// the text is invalid.
DoubleRead readPlainDouble(std::string_view text, double& value);

// Room enough for any text writeScientific writes.
inline constexpr std::size_t kScientificRoom = 32;

// A finite double as "d.ddde+XX" ("-1.25e+02", "5e-324"): with precision
// below 0 the fewest digits that read back as the value, the nearest of
// them to it; otherwise 1 + precision digits, rounded to nearest. Writes
// no terminating zero; gives the length.
std::size_t writeScientific(char* out, double value, int precision = -1);

// Both roads, for the comparison; the functions above take one of them.
namespace double_text {
DoubleRead readWithStrtod(std::string_view text, double& value);
std::size_t writeWithSnprintf(char* out, double value, int precision);
#ifdef HABERES_CHARCONV_DOUBLES
DoubleRead readWithCharconv(std::string_view text, double& value);
std::size_t writeWithCharconv(char* out, double value, int precision);
#endif
} // namespace double_text

} // namespace haberes

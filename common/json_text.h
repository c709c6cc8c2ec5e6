#pragma once
// Text as a JSON string, the one way this program writes one: in quotes,
// UTF-8 passed through, '"', '\\' and control characters escaped. Used by
// haberes-cli's results, the records and the scale files.
#include <cstddef>
#include <string>
#include <string_view>

namespace haberes {

// How control characters without a one-letter escape of their own in every
// writer are written: backspace and form feed as \u0008 and \u000c, or as
// \b and \f (the saved entries files have always had those).
enum class JsonEscapes { unicode, shortForms };

// The most a text can take quoted: two quotes, six bytes (\u00XX) for each
// byte, and eight to spare, which writeJsonText may store past its end.
inline constexpr std::size_t jsonTextRoom(std::size_t textSize) { return 2 + 6 * textSize + 8; }

// Writes the quoted text at p, which has jsonTextRoom(text.size()) bytes;
// gives the end of what it wrote.
char* writeJsonText(char* p, std::string_view text, JsonEscapes escapes = JsonEscapes::unicode);

// The same, appended to out.
void appendJsonText(std::string& out, std::string_view text, JsonEscapes escapes = JsonEscapes::unicode);

} // namespace haberes

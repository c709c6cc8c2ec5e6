#pragma once
// Text as a JSON string, the one way this program writes one: in quotes,
// UTF-8 passed through, '"', '\\' and control characters escaped. Used by
// haberes-cli's results and by the scale files.
#include <cstddef>
#include <string>
#include <string_view>

namespace haberes {

// The most a text can take quoted: two quotes, six bytes (\u00XX) for each
// byte, and eight to spare, which writeJsonText may store past its end.
inline constexpr std::size_t jsonTextRoom(std::size_t textSize) { return 2 + 6 * textSize + 8; }

// Writes the quoted text at p, which has jsonTextRoom(text.size()) bytes;
// gives the end of what it wrote.
char* writeJsonText(char* p, std::string_view text);

// The same, appended to out.
void appendJsonText(std::string& out, std::string_view text);

} // namespace haberes

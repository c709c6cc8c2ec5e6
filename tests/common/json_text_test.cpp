#include "common/json_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using haberes::appendJsonText;

namespace {

// One byte at a time, the plain way.
std::string expected(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"')
            out += "\\\"";
        else if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else if (u < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", u);
            out += esc;
        } else
            out += c;
    }
    return out + "\"";
}

std::string written(const std::string& text)
{
    std::string out = "x"; // appended after what is there
    appendJsonText(out, text);
    return out.substr(1);
}

} // namespace

// Texts are read eight bytes at a time: a byte that needs escaping is found
// wherever it falls, in a full block or among the last bytes, at every
// length.
TEST(JsonText, EveryByteAtEveryPositionAndLength)
{
    for (int byte = 1; byte < 256; ++byte) {
        for (std::size_t length = 1; length <= 20; ++length) {
            for (std::size_t at = 0; at < length; ++at) {
                std::string text(length, 'a');
                text[at] = static_cast<char>(byte);
                ASSERT_EQ(written(text), expected(text)) << "byte " << byte << " at " << at << " of " << length;
            }
        }
    }
}

TEST(JsonText, Utf8PassesThroughAndEmptyIsTwoQuotes)
{
    EXPECT_EQ(written(""), "\"\"");
    EXPECT_EQ(written("Gutiérrez — año 2.010"), "\"Gutiérrez — año 2.010\"");
    EXPECT_EQ(written(std::string(1, '\0')), "\"\\u0000\"");
}

// Backspace and form feed in short forms where asked, in any position of
// the eight-byte blocks; every other byte as always.
TEST(JsonText, ShortFormsForBackspaceAndFormFeed)
{
    const auto shortly = [](const std::string& text) {
        std::string out;
        haberes::appendJsonText(out, text, haberes::JsonEscapes::shortForms);
        return out;
    };
    EXPECT_EQ(written("\b\f"), "\"\\u0008\\u000c\"");
    EXPECT_EQ(shortly("\b\f"), "\"\\b\\f\"");
    for (std::size_t at = 0; at < 12; ++at) {
        std::string text(12, 'a');
        text[at] = '\b';
        std::string want = expected(text);
        want.replace(want.find("\\u0008"), 6, "\\b");
        EXPECT_EQ(shortly(text), want) << at;
    }
    EXPECT_EQ(shortly("\x01\t\"\\"), "\"\\u0001\\t\\\"\\\\\"");
}

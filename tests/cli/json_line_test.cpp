// The JSON Lines reader: what it accepts, what it refuses, and that hostile
// lines end in a message rather than a crash.
#include "cli/json_line.h"

#include <gtest/gtest.h>

using namespace haberes::cli;

namespace {

std::vector<JsonMember> read(std::string_view text, bool expectOk = true)
{
    std::vector<JsonMember> members;
    std::string error;
    const bool ok = readJsonObject(text, members, error);
    EXPECT_EQ(ok, expectOk) << text << " -> " << error;
    if (!ok) {
        EXPECT_NE(error.find("posición"), std::string::npos) << error;
    }
    return members;
}

} // namespace

TEST(JsonLine, ReadsMembersOfEveryKind)
{
    auto m = read(R"( {"a": "x", "b": -1.5e2, "c": true, "d": false, "e": null, "f": [1, [2]], "g": {"h": {}}} )");
    ASSERT_EQ(m.size(), 7u);
    EXPECT_EQ(m[0].value.text, "x");
    EXPECT_EQ(m[1].value.number, -150);
    EXPECT_TRUE(m[2].value.boolean);
    EXPECT_EQ(m[3].value.kind, JsonValue::Kind::boolean);
    EXPECT_EQ(m[4].value.kind, JsonValue::Kind::null);
    EXPECT_EQ(m[5].value.kind, JsonValue::Kind::array);
    EXPECT_EQ(m[6].value.kind, JsonValue::Kind::object);
    EXPECT_TRUE(read("{}").empty());
}

TEST(JsonLine, DecodesEscapesToUtf8)
{
    auto m = read(R"({"k": "a\"b\\c\/d\n\t\u00f1\u20ac\ud83d\ude00 ñ"})");
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].value.text, "a\"b\\c/d\n\tñ€😀 ñ");
}

TEST(JsonLine, RefusesWhatIsNotOneWellFormedObject)
{
    const char* refused[] = {
        "",                        "   ",                      "[]",
        "\"text\"",                "{",                        "{\"a\": 1",
        "{\"a\" 1}",               "{a: 1}",                   "{\"a\": 1,}",
        "{\"a\": 01}",             "{\"a\": 1.}",              "{\"a\": .5}",
        "{\"a\": -}",              "{\"a\": 1e}",              "{\"a\": +1}",
        "{\"a\": tru}",            "{\"a\": \"x}",             "{\"a\": \"\\x\"}",
        "{\"a\": \"\\u12\"}",      "{\"a\": \"\\ud800\"}",     "{\"a\": \"\\udc00\\ud800\"}",
        "{\"a\": \"tab\there\"}",  "{} {}",                    "{\"a\": [1, 2}",
        "{\"a\": \"\xc3\"}",       "{\"a\": \"\xc0\xaf\"}",    "{\"a\": \"\xed\xa0\x80\"}",
        "{\"a\": \"\xf5\x80\x80\x80\"}", "{\"a\": 1}\x01",
    };
    for (const char* text : refused)
        read(text, false);
}

TEST(JsonLine, DeepNestingIsRefusedNotOverflowed)
{
    std::string deep = "{\"a\": " + std::string(100000, '[') + std::string(100000, ']') + "}";
    read(deep, false);
    std::string fine = "{\"a\": " + std::string(200, '[') + std::string(200, ']') + "}";
    read(fine, true);
}

TEST(JsonLine, HugeNumbersAreNotWholeNumbers)
{
    auto m = read(R"({"a": 1e999, "b": -1e999, "c": 1e-999})");
    ASSERT_EQ(m.size(), 3u);
    EXPECT_NE(m[0].value.number, m[0].value.number); // NaN: fits no key
    EXPECT_NE(m[1].value.number, m[1].value.number);
}

TEST(JsonLine, MessagesSayWhatAndWhere)
{
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"{\"a\": \"\xc3\xa9\xc3\"}", "UTF-8 inválido (posición 9)"},
        {"{\"a\": \"\xc3\xa9\", \"b\": \"x\xc0\xaf\"}", "UTF-8 inválido (posición 19)"},
        {"{\"a\": \"ta\tb\"}", "carácter de control en un texto (posición 9)"},
        {"{\"a\": 1, \"b\": \"x}", "texto sin cerrar (posición 14)"},
        {"{\"a\": 1} {}", "texto de más después del objeto (posición 9)"},
        {"{\"a\": 1} x", "se esperaba '}' al final de la línea (posición 9)"},
        {"{\"a\": 01}", "número mal formado (posición 6)"},
        {"{\"a\": [1, tru]}", "valor desconocido (posición 10)"},
        {"[1]", "la línea debe ser un objeto JSON (posición 0)"},
    };
    for (const Case& c : cases) {
        std::vector<JsonMember> members;
        std::string error;
        EXPECT_FALSE(readJsonObject(c.text, members, error)) << c.text;
        EXPECT_EQ(error, std::string("JSON inválido: ") + c.message) << c.text;
    }
}

TEST(JsonLine, DuplicateKeysAreAllKeptInOrder)
{
    auto m = read(R"({"a": 1, "a": "x", "\u0061": true})");
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[2].key, "a");
    EXPECT_EQ(m[1].value.text, "x");
    EXPECT_TRUE(m[2].value.boolean);
}

// Numbers with many digits are read as the nearest double (the JSON library
// once gave 7.7e-06 for the first); far out of range, too large fits no key
// and too small is zero.
TEST(JsonLine, LongNumbersAreTheNearestDouble)
{
    auto m = read(R"({"a": 0.777777777777777777777777, "b": 2.00000000000000000000001, "c": -12345678901234567890123.5,)"
                  R"( "d": 0.00000000000000000000000000000000001234, "e": 1000000000000000000000e-999,)"
                  R"( "f": 0.00000000000000000000001e999})");
    ASSERT_EQ(m.size(), 6u);
    EXPECT_EQ(m[0].value.number, 0.777777777777777777777777);
    EXPECT_EQ(m[1].value.number, 2.0);
    EXPECT_EQ(m[2].value.number, -12345678901234567890123.5);
    EXPECT_EQ(m[3].value.number, 0.00000000000000000000000000000000001234);
    EXPECT_EQ(m[4].value.number, 0.0);
    EXPECT_NE(m[5].value.number, m[5].value.number);
}

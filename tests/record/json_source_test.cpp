// The JSON parsers behind the records, both of them: what they accept, what
// they refuse, and that hostile lines end in a message rather than a crash.
#include "record/nlohmann_source.h"
#include "record/simdjson_source.h"

#include <gtest/gtest.h>

using namespace haberes::record;

namespace {

template <class Source>
class JsonSourceTest : public testing::Test {
protected:
    std::vector<JsonMember> read(std::string_view text, bool expectOk = true)
    {
        std::vector<JsonMember> members;
        std::string error;
        const bool ok = json.readObject(text, members, error);
        EXPECT_EQ(ok, expectOk) << text << " -> " << error;
        if (!ok) {
            EXPECT_TRUE(error.starts_with("JSON inválido: ")) << error;
            EXPECT_NE(error.find("(posición "), std::string::npos) << error;
        }
        return members;
    }

    Source json;
};

using Sources = testing::Types<SimdjsonSource, NlohmannSource>;
TYPED_TEST_SUITE(JsonSourceTest, Sources);

} // namespace

TYPED_TEST(JsonSourceTest, ReadsMembersOfEveryKind)
{
    auto m = this->read(R"( {"a": "x", "b": -1.5e2, "c": true, "d": false, "e": null, "f": [1, [2]], "g": {"h": {}}} )");
    ASSERT_EQ(m.size(), 7u);
    EXPECT_EQ(m[0].value.text, "x");
    EXPECT_EQ(m[1].value.number, -150);
    EXPECT_TRUE(m[2].value.boolean);
    EXPECT_EQ(m[3].value.kind, JsonValue::Kind::boolean);
    EXPECT_EQ(m[4].value.kind, JsonValue::Kind::null);
    EXPECT_EQ(m[5].value.kind, JsonValue::Kind::array);
    EXPECT_EQ(m[6].value.kind, JsonValue::Kind::object);
    EXPECT_TRUE(this->read("{}").empty());
}

TYPED_TEST(JsonSourceTest, DecodesEscapesToUtf8)
{
    auto m = this->read(R"({"k": "a\"b\\c\/d\n\t\u00f1\u20ac\ud83d\ude00 ñ"})");
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].value.text, "a\"b\\c/d\n\tñ€😀 ñ");
}

TYPED_TEST(JsonSourceTest, RefusesWhatIsNotOneWellFormedObject)
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
        this->read(text, false);
}

TYPED_TEST(JsonSourceTest, DeepNestingIsRefusedNotOverflowed)
{
    std::string deep = "{\"a\": " + std::string(100000, '[') + std::string(100000, ']') + "}";
    this->read(deep, false);
    std::string fine = "{\"a\": " + std::string(200, '[') + std::string(200, ']') + "}";
    this->read(fine, true);
}

// simdjson keeps a number too large for a double as NaN, which no key
// accepts; nlohmann-json refuses the text.
TEST(JsonSource, HugeNumbersAreNotWholeNumbers)
{
    SimdjsonSource simd;
    std::vector<JsonMember> m;
    std::string error;
    ASSERT_TRUE(simd.readObject(R"({"a": 1e999, "b": -1e999, "c": 1e-999, "d": 0.00000000000000000000001e999})", m, error));
    ASSERT_EQ(m.size(), 4u);
    EXPECT_NE(m[0].value.number, m[0].value.number);
    EXPECT_NE(m[1].value.number, m[1].value.number);
    EXPECT_EQ(m[2].value.number, 0.0);
    EXPECT_NE(m[3].value.number, m[3].value.number);

    NlohmannSource nlohmann;
    for (const char* text : {R"({"a": 1e999})", R"({"b": -1e999})", R"({"d": 0.00000000000000000000001e999})"}) {
        EXPECT_FALSE(nlohmann.readObject(text, m, error)) << text;
        EXPECT_TRUE(error.starts_with("JSON inválido: número fuera de rango")) << error;
    }
    ASSERT_TRUE(nlohmann.readObject(R"({"c": 1e-999})", m, error));
    EXPECT_EQ(m[0].value.number, 0.0);
}

// simdjson's messages, which haberes-cli and the windows show.
TEST(JsonSource, MessagesSayWhatAndWhere)
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
        SimdjsonSource json;
        std::vector<JsonMember> members;
        std::string error;
        EXPECT_FALSE(json.readObject(c.text, members, error)) << c.text;
        EXPECT_EQ(error, std::string("JSON inválido: ") + c.message) << c.text;
    }
}

TYPED_TEST(JsonSourceTest, DuplicateKeysAreAllKeptInOrder)
{
    auto m = this->read(R"({"a": 1, "a": "x", "\u0061": true})");
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[2].key, "a");
    EXPECT_EQ(m[1].value.text, "x");
    EXPECT_TRUE(m[2].value.boolean);
}

// Numbers with many digits are read as the nearest double (simdjson once
// gave 7.7e-06 for the first); far too small is zero.
TYPED_TEST(JsonSourceTest, LongNumbersAreTheNearestDouble)
{
    auto m = this->read(R"({"a": 0.777777777777777777777777, "b": 2.00000000000000000000001, "c": -12345678901234567890123.5,)"
                  R"( "d": 0.00000000000000000000000000000000001234, "e": 1000000000000000000000e-999})");
    ASSERT_EQ(m.size(), 5u);
    EXPECT_EQ(m[0].value.number, 0.777777777777777777777777);
    EXPECT_EQ(m[1].value.number, 2.0);
    EXPECT_EQ(m[2].value.number, -12345678901234567890123.5);
    EXPECT_EQ(m[3].value.number, 0.00000000000000000000000000000000001234);
    EXPECT_EQ(m[4].value.number, 0.0);
}

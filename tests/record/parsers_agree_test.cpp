// The two JSON parsers give the same records: on the worked payslips'
// inputs, on haberes-cli's kinds of lines and on every hostile line the
// fuzzer kept.
#include "record/nlohmann_source.h"
#include "record/record_reader.h"
#include "record/simdjson_source.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using namespace haberes::record;

namespace {

std::vector<std::string> linesOf(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<std::string> lines;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            lines.push_back(line.toStdString());
    return lines;
}

bool sameNumber(double a, double b)
{
    return a == b || (a != a && b != b);
}

// Both parsers accept the text or both refuse it; accepted, they give the
// same members and the same record (or the same complaint about it).
void expectSameReading(const std::string& text)
{
    SimdjsonSource simd;
    NlohmannSource nlohmann;
    std::vector<JsonMember> a, b;
    std::string errorA, errorB;
    const bool okA = simd.readObject(text, a, errorA);
    const bool okB = nlohmann.readObject(text, b, errorB);
    if (okA && !okB && errorB.starts_with("JSON inválido: número fuera de rango")) {
        // Kept by simdjson as a number no key accepts: no record either way.
        EXPECT_FALSE(readRecord(simd, text).record) << text;
        return;
    }
    ASSERT_EQ(okA, okB) << text << "\nsimdjson: " << errorA << "\nnlohmann: " << errorB;
    if (!okA)
        return;
    ASSERT_EQ(a.size(), b.size()) << text;
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].key, b[i].key) << text;
        EXPECT_EQ(a[i].value.kind, b[i].value.kind) << text;
        EXPECT_EQ(a[i].value.text, b[i].value.text) << text;
        EXPECT_EQ(a[i].value.boolean, b[i].value.boolean) << text;
        EXPECT_TRUE(sameNumber(a[i].value.number, b[i].value.number))
            << text << ": " << a[i].value.number << " " << b[i].value.number;
        // A member's object: its members, one level down.
        const auto& innerA = a[i].value.members;
        const auto& innerB = b[i].value.members;
        ASSERT_EQ(innerA.size(), innerB.size()) << text;
        for (std::size_t j = 0; j < innerA.size(); ++j) {
            EXPECT_EQ(innerA[j].key, innerB[j].key) << text;
            EXPECT_EQ(innerA[j].value.kind, innerB[j].value.kind) << text;
            EXPECT_EQ(innerA[j].value.text, innerB[j].value.text) << text;
            EXPECT_TRUE(innerA[j].value.members.empty() && innerB[j].value.members.empty()) << text;
        }
    }
    const RecordRead readA = readRecord(simd, text);
    const RecordRead readB = readRecord(nlohmann, text);
    EXPECT_EQ(readA.record, readB.record) << text;
    EXPECT_EQ(readA.key, readB.key) << text;
    EXPECT_EQ(readA.error, readB.error) << text;
}

} // namespace

TEST(ParsersAgree, OnTheWorkedPayslipsInputs)
{
    int records = 0;
    for (const char* locale : {"es_AR", "en_US"})
        for (const std::string& line : linesOf(QStringLiteral(HABERES_TEST_DATA "/golden/%1.in.jsonl").arg(locale))) {
            expectSameReading(line);
            ++records;
        }
    EXPECT_GT(records, 200);
}

// The kinds of line haberes-cli's own tests give it, malformed ones too.
TEST(ParsersAgree, OnTheCommandsKindsOfLine)
{
    const char* lines[] = {
        R"({"horasmedio": true, "numerohorasmed": "2,5"})",
        R"({"colour": "red"})",
        R"({"cargo": "yes"})",
        R"({"cargo": true, "horassup": true})",
        R"({"antiguedad": 13})",
        R"({"zona": 1.5})",
        R"({"hijos": 2})",
        R"({"hijos": 1e0, "zona": -1.0, "antiguedad": 12e0})",
        R"({"cargo": true, "codigocargo": "734", "tardif": "12,5", "comentario": "Revisar\nantigüedad"})",
        R"({"cargo": true, "codigocargo": "123"})",
        R"({"horassup": true, "docente": "Tab\there \"q\" \u0001 ñ"})",
        R"({"codigocargo": 604})",
        R"({"zona": 1e999})",
        "not json",
        "[1, 2]",
        "{}",
        R"({"cobrado": {"001": "12,5", "liquido": "9", "001": "3"}, "docente": "x"})",
        R"({"cobrado": {}})",
        R"({"cobrado": {"001": 12.5}})",
        R"({"cobrado": {"001": {"a": "1"}, "9": ["2"]}})",
        R"({"cobrado": [{"001": "1"}]})",
        R"({"cobrado": {"A1": "1"}})",
        R"({"x": [{"001": "1"}], "cobrado": {"1": "2"}})",
        R"({"escala": "Desde Julio de 2.010", "cargo": true, "codigocargo": "734"})",
        R"({"escala": "Escala \"nueva\" \u00f1", "escala": "Otra"})",
        R"({"escala": ["Desde Julio de 2.010"]})",
        R"({"escala": false})",
    };
    for (const char* line : lines)
        expectSameReading(line);
}

// nlohmann-json stops at a NUL byte as at the end of the text; a NUL is no
// JSON wherever it stands.
TEST(ParsersAgree, OnNulBytes)
{
    using namespace std::string_literals;
    for (const std::string& line : {"{}\0\0\0\0\0\0\0\4"s, "{}\0"s, "{\"docente\": \"a\"}\0 "s,
                                    "{\"docente\": \"a\0b\"}"s, "\0{}"s}) {
        expectSameReading(line);
        NlohmannSource nlohmann;
        std::vector<JsonMember> members;
        std::string error;
        EXPECT_FALSE(nlohmann.readObject(line, members, error)) << line.size();
        EXPECT_TRUE(members.empty());
    }
}

TEST(ParsersAgree, OnEveryLineTheFuzzerKept)
{
    const QDir corpus(QStringLiteral(HABERES_FUZZ_CORPUS));
    const QStringList names = corpus.entryList(QDir::Files);
    ASSERT_GT(names.size(), 100);
    for (const QString& name : names) {
        QFile f(corpus.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        SCOPED_TRACE(name.toStdString());
        expectSameReading(f.readAll().toStdString());
    }
}

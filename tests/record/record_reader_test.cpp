// A record read from its JSON: what each key sets, the code before the
// boxes, and what makes a record malformed.
#include "record/nlohmann_source.h"
#include "record/record_reader.h"

#include <gtest/gtest.h>

using namespace haberes;
using namespace haberes::record;

namespace {

RecordRead read(std::string_view text)
{
    NlohmannSource json;
    return readRecord(json, text);
}

void expectMalformed(std::string_view text, const std::optional<std::string>& key, const std::string& error)
{
    const RecordRead r = read(text);
    EXPECT_FALSE(r.record) << text;
    EXPECT_EQ(r.key, key) << text;
    EXPECT_EQ(r.error, error) << text;
}

} // namespace

TEST(RecordReader, AnEmptyObjectIsTheWindowsAsTheyOpen)
{
    const RecordRead r = read("{}");
    ASSERT_TRUE(r.record);
    EXPECT_EQ(r.record->entries, PayEntries{});
    EXPECT_EQ(r.record->comentario, "");
}

TEST(RecordReader, EveryKindOfKey)
{
    const RecordRead r = read(R"({"docente": "Paz", "horassup": true, "numhorasincen": "20", "antiguedad": 4,)"
                              R"( "zona": 2, "opincentivo": 0, "hijos": 1, "cantidadhijos": "3",)"
                              R"( "APORTEJUB": 1, "comentario": "Revisar\nantigüedad"})");
    ASSERT_TRUE(r.record) << r.error;
    const PayEntries& e = r.record->entries;
    EXPECT_EQ(e.docente, "Paz");
    EXPECT_TRUE(e.horassup);
    EXPECT_FALSE(e.cargo);
    EXPECT_EQ(e.numhorasincen, "20");
    EXPECT_TRUE(e.Option[3]);
    EXPECT_EQ(e.porantig, 30);
    EXPECT_EQ(e.porcantig, "30 %");
    EXPECT_EQ(e.zona, 2);
    EXPECT_EQ(e.opincentivo, 0);
    EXPECT_EQ(e.hijos, 1);
    EXPECT_EQ(e.cantidadhijos, "3");
    EXPECT_EQ(e.APORTEJUB, 1);
    EXPECT_EQ(r.record->comentario, "Revisar\nantigüedad");
}

// Wherever the code stands in the line, its row comes first and the boxes
// given override it; a code not in the table empties the dialog.
TEST(RecordReader, TheCodeChoosesItsRowBeforeTheBoxes)
{
    const RecordRead r = read(R"({"tardif": "12,5", "cargo": true, "codigocargo": "734"})");
    ASSERT_TRUE(r.record);
    const PayEntries& e = r.record->entries;
    EXPECT_EQ(e.codigocargo, "734");
    EXPECT_EQ(e.tardif, "12,5");
    EXPECT_FALSE(e.cargox.empty());
    EXPECT_EQ(e.punbas, e.puntosbasicos);

    const RecordRead unknown = read(R"({"cargox": "Mío", "codigocargo": "123"})");
    ASSERT_TRUE(unknown.record);
    EXPECT_EQ(unknown.record->entries.cargox, "Mío");
    EXPECT_EQ(unknown.record->entries.punbas, "");
    EXPECT_EQ(unknown.record->entries.codigocargo, "123");
}

TEST(RecordReader, MalformedRecordsNameTheirKey)
{
    expectMalformed(R"({"docente": "X", "sueldo": "1"})", "sueldo", "Clave desconocida: \"sueldo\"");
    expectMalformed(R"({"hijos": "1"})", "hijos", "\"hijos\" debe ser 0 o 1");
    expectMalformed(R"({"hijos": 2})", "hijos", "\"hijos\" debe ser 0 o 1");
    expectMalformed(R"({"cargo": 1})", "cargo", "\"cargo\" debe ser true o false");
    expectMalformed(R"({"codigocargo": 734})", "codigocargo", "\"codigocargo\" debe ser un texto");
    expectMalformed(R"({"comentario": 3})", "comentario", "\"comentario\" debe ser un texto");
    expectMalformed(R"({"antiguedad": 13})", "antiguedad", "\"antiguedad\" debe ser un número entero entre 0 y 12");
    expectMalformed(R"({"antiguedad": 2.5})", "antiguedad", "\"antiguedad\" debe ser un número entero entre 0 y 12");
    expectMalformed(R"({"zona": -2})", "zona", "\"zona\" debe ser un número entero entre -1 y 4");
    expectMalformed(R"({"zona": 1e300})", "zona", "\"zona\" debe ser un número entero entre -1 y 4");
    expectMalformed(R"({"cargo": true, "horassup": true})", std::nullopt,
                    "Solo una de \"cargo\", \"horasmedio\" y \"horassup\" puede ser true");
    // The last of a repeated key counts, and a later "false" lifts a conflict.
    const RecordRead r = read(R"({"cargo": true, "horassup": true, "cargo": false})");
    ASSERT_TRUE(r.record);
    EXPECT_TRUE(r.record->entries.horassup);
    const RecordRead bad = read("{\"docente\": ");
    EXPECT_FALSE(bad.record);
    EXPECT_FALSE(bad.key);
    EXPECT_TRUE(bad.error.starts_with("JSON inválido: ")) << bad.error;
}

// Whole numbers may be written as JSON allows: 1.0 and 1e0 are 1.
TEST(RecordReader, WholeNumbersInAnyJsonForm)
{
    const RecordRead r = read(R"({"hijos": 1.0, "zona": -1e0, "antiguedad": 1.2e1})");
    ASSERT_TRUE(r.record) << r.error;
    EXPECT_EQ(r.record->entries.hijos, 1);
    EXPECT_EQ(r.record->entries.zona, -1);
    EXPECT_TRUE(r.record->entries.Option[11]);
}

TEST(RecordReader, PaidAmountsKeptAsTypedInTheirOrderAndOnlyWhenGiven)
{
    EXPECT_FALSE(read("{}").record->cobrado);
    const RecordRead empty = read(R"({"cobrado": {}})");
    ASSERT_TRUE(empty.record);
    EXPECT_EQ(empty.record->cobrado, PaidTexts{});
    const RecordRead r = read(R"({"cobrado": {"liquido": " 1.234,5 ", "1003": "x", "001": "12,5"}})");
    ASSERT_TRUE(r.record) << r.error;
    EXPECT_EQ(r.record->cobrado, (PaidTexts{{"liquido", " 1.234,5 "}, {"1003", "x"}, {"001", "12,5"}}));
}

TEST(RecordReader, PaidAmountsAreTextsUnderLineCodes)
{
    expectMalformed(R"({"cobrado": ["1"]})", "cobrado", R"("cobrado" debe ser un objeto)");
    expectMalformed(R"({"cobrado": "1"})", "cobrado", R"("cobrado" debe ser un objeto)");
    expectMalformed(R"({"cobrado": {"001": 12.5}})", "cobrado.001", R"("cobrado.001" debe ser un texto)");
    expectMalformed(R"({"cobrado": {"001": {"a": "1"}}})", "cobrado.001", R"("cobrado.001" debe ser un texto)");
    expectMalformed(R"({"cobrado": {"001": "1", "00001": "1"}})", "cobrado.00001",
                    "«00001» no es un código de línea: usá el código como figura en el recibo, de una a cuatro "
                    "cifras (por ejemplo 001), o «liquido» para el líquido a pagar");
    expectMalformed(R"({"cobrado": {"Liquido": "1"}})", "cobrado.Liquido",
                    "«Liquido» no es un código de línea: usá el código como figura en el recibo, de una a cuatro "
                    "cifras (por ejemplo 001), o «liquido» para el líquido a pagar");
}

// The scale's name is kept as given; absent, nothing is kept.
TEST(RecordReader, TheScaleNamedIsKeptAndMustBeAText)
{
    EXPECT_FALSE(read("{}").record->escala);
    const RecordRead r = read(R"({"escala": "Desde Marzo de 2.011"})");
    ASSERT_TRUE(r.record) << r.error;
    EXPECT_EQ(r.record->escala, "Desde Marzo de 2.011");
    EXPECT_EQ(read(R"({"escala": ""})").record->escala, "");
    expectMalformed(R"({"escala": 2011})", "escala", R"("escala" debe ser un texto)");
    expectMalformed(R"({"escala": null})", "escala", R"("escala" debe ser un texto)");
    expectMalformed(R"({"escala": {"nombre": "X"}})", "escala", R"("escala" debe ser un texto)");
    // The first offending key in the line is the one named.
    expectMalformed(R"({"sueldo": 1, "escala": 3})", "sueldo", "Clave desconocida: \"sueldo\"");
}

// The scale named is asked for before the code's row and the seniority are
// taken, wherever the key stands in the line.
TEST(RecordReader, TheCodeAndTheSeniorityAreTheNamedScales)
{
    PayScale other = builtinScale();
    other.nombre = "Desde Marzo de 2.011";
    other.cargos = PositionTable({{"700", "Cargo Nuevo", "1000", "0", "0", "0", "10"}});
    other.antiguedad[3] = 35;
    std::vector<std::optional<std::string>> asked;
    const ScaleFor scaleFor = [&](const std::optional<std::string>& name) -> const PayScale& {
        asked.push_back(name);
        return name == other.nombre ? other : builtinScale();
    };
    NlohmannSource json;
    const RecordRead r =
        readRecord(json, R"({"codigocargo": "700", "antiguedad": 4, "escala": "Desde Marzo de 2.011"})", scaleFor);
    ASSERT_TRUE(r.record) << r.error;
    EXPECT_EQ(r.scale, &other);
    EXPECT_EQ(r.record->entries.cargox, "Cargo Nuevo");
    EXPECT_EQ(r.record->entries.puntosbasicos, "1000");
    EXPECT_EQ(r.record->entries.compbas, "10");
    EXPECT_EQ(r.record->entries.porantig, 35);
    EXPECT_EQ(r.record->entries.porcantig, "35 %");

    // Unnamed, or named as no scale is: the scale the caller gives for it.
    const RecordRead unnamed = readRecord(json, R"({"codigocargo": "700", "antiguedad": 4})", scaleFor);
    ASSERT_TRUE(unnamed.record);
    EXPECT_EQ(unnamed.scale, &builtinScale());
    EXPECT_EQ(unnamed.record->entries.cargox, "");
    EXPECT_EQ(unnamed.record->entries.porantig, 30);
    // A name that is not a text is not asked for, and makes the line malformed.
    EXPECT_FALSE(readRecord(json, R"({"escala": 1})", scaleFor).record);
    EXPECT_EQ(asked, (std::vector<std::optional<std::string>>{"Desde Marzo de 2.011", std::nullopt, std::nullopt}));
}

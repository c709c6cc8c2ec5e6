// The scale format's table, without Qt: it matches the keys docs/escala.md
// documents, both ways; the plain reader and writer agree; numbers are
// written with the fewest digits that read back.
#include "engine/numbers.h"
#include "scale/scale_format.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace haberes;

namespace {

// The names in backticks of a line, in order.
std::vector<std::string> quotedNames(const std::string& line)
{
    std::vector<std::string> names;
    for (std::size_t open = line.find('`'); open != std::string::npos; open = line.find('`', open + 1)) {
        const std::size_t close = line.find('`', open + 1);
        if (close == std::string::npos)
            break;
        names.push_back(line.substr(open + 1, close - open - 1));
        open = close;
    }
    return names;
}

// The key paths docs/escala.md documents: the first cell of each row of a
// "Clave" table, under the objects its "###" heading names, and with the
// keys its header names in backticks ("`tasa` Julio 2010").
std::set<std::string> documentedKeys()
{
    std::ifstream in(HABERES_SOURCE "/docs/escala.md");
    EXPECT_TRUE(in.good());
    std::set<std::string> keys;
    std::vector<std::string> objects;
    std::vector<std::string> inner;
    bool inKeys = false;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("## ")) {
            inKeys = line == "## Claves";
            objects.clear();
        } else if (line.starts_with("### ")) {
            objects = quotedNames(line);
        } else if (inKeys && line.starts_with("| Clave")) {
            inner = quotedNames(line);
        } else if (inKeys && line.starts_with("| `")) {
            const std::string key = quotedNames(line).at(0);
            for (const std::string& object : objects.empty() ? std::vector<std::string>{""} : objects)
                for (const std::string& sub : inner.empty() ? std::vector<std::string>{""} : inner)
                    keys.insert((object.empty() ? "" : object + ".") + key + (sub.empty() ? "" : "." + sub));
        }
    }
    return keys;
}

// The table's paths as the document writes them: a position's keys under
// "cargos".
std::set<std::string> tableKeys()
{
    std::set<std::string> keys;
    for (const ScaleField& f : scaleFields()) {
        if (f.kind != ScaleKind::positions) {
            keys.insert(f.path);
            continue;
        }
        for (const PositionField& p : positionFields())
            keys.insert(f.path + "." + std::string(p.key));
    }
    return keys;
}

const char* kRefusal = "La escala «x.json» no es válida: ";

// The built-in scale's text with one piece replaced.
std::string replaced(std::string_view from, std::string_view to)
{
    std::string text = writeScale(builtinScale());
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

std::string refusal(const std::string& text) { return readScaleText(text, "x.json").error; }

} // namespace

TEST(ScaleFormat, EveryKeyOfTheTableIsDocumentedAndEveryDocumentedKeyIsInTheTable)
{
    const std::set<std::string> documented = documentedKeys();
    const std::set<std::string> table = tableKeys();
    for (const std::string& key : table)
        EXPECT_TRUE(documented.count(key)) << key << " is not in docs/escala.md";
    for (const std::string& key : documented)
        EXPECT_TRUE(table.count(key)) << key << " is documented but not in the table";
    EXPECT_EQ(table.size(), 79u);
    EXPECT_TRUE(documented.count("horas_superior.negro_113.horas_mostradas"));
    EXPECT_TRUE(documented.count("descuentos.seguro_510.cantidad"));
}

TEST(ScaleFormat, KeysOfAnObjectComeInWritingOrder)
{
    EXPECT_EQ(scaleKeysUnder("horas_medio"),
              (std::vector<std::string>{"puntos_por_hora", "adicional_006", "incentivo_084", "negro_113"}));
    EXPECT_EQ(scaleKeysUnder("").front(), "formato");
    EXPECT_EQ(scaleKeysUnder("").back(), "cargos");
    EXPECT_EQ(scaleKeysUnder("").size(), 23u);
    EXPECT_EQ(scaleField("horas_medio"), nullptr);
    ASSERT_NE(scaleField("horas_medio.adicional_006.tope"), nullptr);
    EXPECT_EQ(scaleField("horas_medio.adicional_006.tope")->kind, ScaleKind::amount);
}

TEST(ScaleFormat, PlainReaderReadsTheWrittenScaleBackEqual)
{
    PayScale s = builtinScale();
    s.tasaPruebaKm = 0.00001; // written "1e-05"
    s.valorPunto = 0.1 + 0.2;
    s.topesHijo = {Currency::fromTicks(1), Currency::fromTicks(2)};
    const std::string text = writeScale(s);
    EXPECT_NE(text.find("\"tasa_prueba\": 1e-05,"), std::string::npos);
    EXPECT_NE(text.find("\"valor_punto\": 0.30000000000000004,"), std::string::npos);
    const ScaleText r = readScaleText(text, "x.json");
    ASSERT_TRUE(r.scale) << r.error;
    EXPECT_TRUE(*r.scale == s);
    EXPECT_EQ(writeScale(*r.scale), text);
}

TEST(ScaleFormat, BuiltinScaleIsWrittenAsTheSampleFileOfTheFuzzCorpus)
{
    std::ifstream in(HABERES_SOURCE "/fuzz/corpus/scale_file/julio-2010.json", std::ios::binary);
    std::ostringstream sample;
    sample << in.rdbuf();
    EXPECT_EQ(writeScale(builtinScale()), sample.str());
}

TEST(ScaleFormat, PositionsAreTextsOfDigitsWithCodesGivenOnce)
{
    const std::string first = "{\"codigocargo\": \"999\"";
    EXPECT_EQ(refusal(replaced(first, "{\"codigocargo\": \"604\"")),
              std::string(kRefusal) +
                  "la clave «cargos[3].codigocargo» repite el código \"604\"; cada código debe aparecer una sola vez.");
    EXPECT_EQ(refusal(replaced(first, "{\"codigocargo\": 999")),
              std::string(kRefusal) + "la clave «cargos[0].codigocargo» debe ser un código de tres cifras entre \"600\" y "
                                      "\"999\".");
    EXPECT_EQ(refusal(replaced("\"puntosbasicos\": \"3146\"", "\"puntosbasicos\": \"+3146\"")),
              std::string(kRefusal) + "la clave «cargos[0].puntosbasicos» debe ser un número entero entre 0 y 32767, "
                                      "entre comillas.");
    EXPECT_EQ(refusal(replaced(first, "{\"codigo\": 1, \"codigocargo\": \"999\"")),
              std::string(kRefusal) + "la clave «cargos[0].codigo» no es parte del formato de escalas.");
    EXPECT_EQ(refusal(replaced(first + ", \"cargox\": ", first + ", \"cargo\": ")),
              std::string(kRefusal) + "la clave «cargos[0].cargo» no es parte del formato de escalas.");
    const std::string text = writeScale(builtinScale());
    const std::size_t list = text.find("\"cargos\": [");
    EXPECT_EQ(refusal(text.substr(0, list) + "\"cargos\": [5]\n}\n"),
              std::string(kRefusal) + "la clave «cargos[0]» debe ser un objeto { … }.");
    EXPECT_EQ(refusal(text.substr(0, list) + "\"cargos\": []\n}\n"),
              std::string(kRefusal) + "la clave «cargos» debe ser una lista de cargos (entre 1 y 400).");
}

TEST(ScaleFormat, TextsOfTheMonthAndOfQuantities)
{
    EXPECT_EQ(refusal(replaced("\"2010-07\"", "\"2010-00\"")),
              std::string(kRefusal) + "la clave «vigencia» debe ser un mes con la forma \"AAAA-MM\" (por ejemplo \"2010-07\").");
    EXPECT_EQ(refusal(replaced("\"2010-07\"", "\"1899-12\"")),
              std::string(kRefusal) + "la clave «vigencia» debe ser un mes con la forma \"AAAA-MM\" (por ejemplo \"2010-07\").");
    const ScaleText december = readScaleText(replaced("\"2010-07\"", "\"1900-12\""), "x.json");
    ASSERT_TRUE(december.scale) << december.error;
    EXPECT_EQ(december.scale->vigenciaAnio, 1900);
    EXPECT_EQ(december.scale->vigenciaMes, 12);
    for (const char* bad : {"\"0.\"", "\".7\"", "\"-0.7\"", "\" 0.7\"", "\"0.7.1\"", "\"\""})
        EXPECT_EQ(refusal(replaced("\"cantidad\": \"0.7\"", std::string("\"cantidad\": ") + bad)),
                  std::string(kRefusal) + "la clave «product_014.cantidad» debe ser un número escrito con punto decimal, "
                                          "entre comillas (por ejemplo \"0.7\").")
            << bad;
    EXPECT_EQ(refusal(replaced("\"cantidad\": \"7.0\"", "\"cantidad\": \"\"")),
              std::string(kRefusal) + "la clave «plus_188.cantidad» debe ser un texto no vacío.");
}

TEST(ScaleFormat, RefusalsNameTheFileTheKeyAndWhatItMustHold)
{
    EXPECT_EQ(refusal(replaced("\"formato\": 1,", "")),
              std::string(kRefusal) + "falta la clave «formato», que debe ser un número entero entre 1 y 1.");
    EXPECT_EQ(refusal(replaced("\"por_hora\": 10.81", "\"por_hora\": \"10.81\"")),
              std::string(kRefusal) + "la clave «horas_medio.adicional_006.por_hora» debe ser un número entre 0 y 1000000.");
    // Of two unknown keys the first in order is named.
    EXPECT_EQ(refusal(replaced("\"formato\": 1,", "\"formato\": 1, \"zz\": 1, \"ab\": 2,")),
              std::string(kRefusal) + "la clave «ab» no es parte del formato de escalas.");
    EXPECT_EQ(refusal(replaced("\"tope\": 234.61}", "\"tope\": 234.61, \"topes\": 1}")),
              std::string(kRefusal) + "la clave «transporte_029.topes» no es parte del formato de escalas.");
    EXPECT_EQ(refusal(replaced("\"horas_medio\": {", "\"horas_medio\": 5, \"x\": {")),
              std::string(kRefusal) + "la clave «x» no es parte del formato de escalas.");
    EXPECT_EQ(refusal(replaced("\"montos\": [180, 136, 91]", "\"montos\": [180, 136]")),
              std::string(kRefusal) +
                  "la clave «hijo_1001.montos» debe ser una lista de 3 importes enteros por hijo entre 0 y 32767.");
    EXPECT_EQ(refusal(replaced("\"zona\": [0, 20, 40, 80, 120]", "\"zona\": [0, 20, 40, 80, 256]")),
              std::string(kRefusal) + "la clave «zona[4]» debe ser un número entero entre 0 y 255.");
}

TEST(ScaleFormat, LimitsRiseStrictlyInBandsAndInChildBrackets)
{
    // An equal top is refused in both, with the least value it may take.
    EXPECT_EQ(refusal(replaced("[2400, 3600]", "[2400, 2400]")),
              std::string(kRefusal) +
                  "la clave «hijo_1001.topes[1]» debe ser un importe entre 2400.0001 y 1000000000 con hasta cuatro "
                  "decimales.");
    EXPECT_EQ(refusal(replaced("[971, 1169, 1400", "[971, 971, 1400")),
              std::string(kRefusal) +
                  "la clave «adicional_006_cargo.tabla_a.topes_bandas[1]» debe ser un número entero entre 972 y 32767.");
    // One step above is enough.
    EXPECT_TRUE(readScaleText(replaced("[2400, 3600]", "[2400, 2400.0001]"), "x.json").scale);
    EXPECT_TRUE(readScaleText(replaced("[971, 1169, 1400", "[971, 972, 1400"), "x.json").scale);
    EXPECT_EQ(refusal(replaced("[2400, 3600]", "[2400, 2399]")),
              std::string(kRefusal) +
                  "la clave «hijo_1001.topes[1]» debe ser un importe entre 2400.0001 y 1000000000 con hasta cuatro "
                  "decimales.");
}

TEST(ScaleFormat, TextThatIsNotJsonIsNamedWithWhereItStops)
{
    EXPECT_EQ(refusal(""), std::string(kRefusal) + "no es JSON: un valor que no es JSON (byte 0).");
    EXPECT_EQ(refusal("{"), std::string(kRefusal) + "no es JSON: un objeto sin cerrar (byte 1).");
    EXPECT_EQ(refusal("[]"), std::string(kRefusal) + "debe ser un objeto JSON { … }.");
    EXPECT_EQ(refusal("null"), std::string(kRefusal) + "no es JSON: un valor que no es JSON (byte 1).");
    EXPECT_EQ(refusal("{\"nombre\": \"x\"} x"), std::string(kRefusal) + "no es JSON: hay texto después del objeto (byte 16).");
    EXPECT_EQ(refusal("{\"nombre\":\"\xff\"}"), std::string(kRefusal) + "no es JSON: texto que no es UTF-8 válido (byte 11).");
    EXPECT_EQ(refusal("{\"formato\":1e400}"), std::string(kRefusal) + "no es JSON: un número mal escrito (byte 16).");
    EXPECT_EQ(refusal("{\"formato\" 1}"), std::string(kRefusal) + "no es JSON: falta «:» después de una clave (byte 12).");
    EXPECT_EQ(refusal("{\"formato\":[1 2]}"), std::string(kRefusal) + "no es JSON: falta una coma entre dos valores (byte 15).");
    EXPECT_EQ(refusal("{\"formato\":1"), std::string(kRefusal) + "no es JSON: el texto termina en medio de un número (byte 12).");
    // The parser would stop at a NUL as at the end.
    EXPECT_EQ(refusal(std::string("{\"formato\":1}\0x", 15)),
              std::string(kRefusal) + "no es JSON: hay texto después del objeto (byte 13).");
}

TEST(ScaleFormat, OfAKeyGivenTwiceTheLastCounts)
{
    EXPECT_EQ(refusal("{\"formato\":1,\"formato\":2}"),
              std::string(kRefusal) + "la clave «formato» debe ser un número entero entre 1 y 1.");
    EXPECT_EQ(refusal("{\"formato\":2,\"formato\":1}"),
              std::string(kRefusal) + "falta la clave «nombre», que debe ser un texto no vacío.");
}

TEST(ShortestReal, FewestDigitsThatReadBackPlainOrWithAnExponent)
{
    EXPECT_EQ(formatShortestReal(0.8947), "0.8947");
    EXPECT_EQ(formatShortestReal(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(formatShortestReal(0.1 + 0.7), "0.7999999999999999");
    EXPECT_EQ(formatShortestReal(1000), "1000");
    EXPECT_EQ(formatShortestReal(0), "0");
    EXPECT_EQ(formatShortestReal(-0.0), "-0");
    EXPECT_EQ(formatShortestReal(-2.5), "-2.5");
    // An exponent only where it is shorter; plain on a tie.
    EXPECT_EQ(formatShortestReal(0.001), "0.001");
    EXPECT_EQ(formatShortestReal(0.0001), "1e-04");
    EXPECT_EQ(formatShortestReal(1e20), "1e+20");
    EXPECT_EQ(formatShortestReal(123456789012345680000.0), "123456789012345683968"); // every digit of a whole number
    // Next to a power of two the nearer text may not read back.
    EXPECT_EQ(formatShortestReal(0x1p-30), "9.313225746154785e-10");
    EXPECT_EQ(formatShortestReal(0x1p-1017), "7.120236347223045e-307");
    EXPECT_EQ(formatShortestReal(5e-324), "5e-324");
    EXPECT_EQ(formatShortestReal(1.7976931348623157e308), "1.7976931348623157e+308");
}

// What the web page receives besides haberes-cli's results: a scale's
// description and an opened entries file.
#include "web/web_texts.h"

#include "engine/pay_scale.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace haberes::web {
namespace {

using nlohmann::json;

TEST(ScaleDescription, BuiltInScaleNamesPositionsAndChoices)
{
    const json d = json::parse(scaleDescription(builtinScale()));
    EXPECT_TRUE(d["ok"].get<bool>());
    EXPECT_EQ(d["nombre"], "Desde Julio de 2.010");
    EXPECT_EQ(d["tituloRecibo"], "Haberes desde Julio 2.010");
    EXPECT_EQ(d["vigencia"], "2010-07");

    const json& cargos = d["cargos"];
    ASSERT_EQ(cargos.size(), 311u);
    EXPECT_EQ(cargos[0]["codigo"], "999");
    EXPECT_EQ(cargos[0]["nombre"], "Analista Princ Tec Doc");
    // Names repeat; each row keeps its own code and points.
    EXPECT_EQ(cargos[14]["nombre"], "Bibliotecario");
    EXPECT_EQ(cargos[14]["codigo"], "750");
    EXPECT_EQ(cargos[14]["puntos"][0], "971");
    EXPECT_EQ(cargos[16]["codigo"], "996");
    EXPECT_EQ(cargos[16]["puntos"][0], "1480");
    for (const json& c : cargos)
        if (c["codigo"] == "604") {
            EXPECT_EQ(c["nombre"], "Asesor Pedagógico");
            EXPECT_EQ(c["puntos"], json::parse(R"(["3146", "0", "0", "0", "0"])"));
        }

    const json& antiguedad = d["antiguedad"];
    ASSERT_EQ(antiguedad.size(), 12u);
    EXPECT_EQ(antiguedad[0]["caption"], "Menos de 1 año");
    EXPECT_EQ(antiguedad[0]["texto"], "0 %");
    EXPECT_EQ(antiguedad[8]["texto"], "80 %");
    // The scale has no 90: the bracket after 80 is 100.
    EXPECT_EQ(antiguedad[9]["caption"], "Entre 20 y 22 años");
    EXPECT_EQ(antiguedad[9]["texto"], "100 %");
    EXPECT_EQ(antiguedad[11]["texto"], "120 %");

    ASSERT_EQ(d["zonas"].size(), 5u);
    EXPECT_EQ(d["zonas"][0], "Común");
    EXPECT_EQ(d["zonas"][4], "Zona Inhóspita");
    EXPECT_EQ(d["textos"]["sinBase"], "No seleccionaste cargo ni horas");
    EXPECT_EQ(d["textos"]["avisoLiquido"], "¡Atención! Líquido a pagar negativo");
}

TEST(ScaleDescription, FollowsTheScalesOwnFigures)
{
    PayScale s = builtinScale();
    s.nombre = "Desde \"Marzo\" de 2.011";
    s.vigenciaAnio = 2011;
    s.vigenciaMes = 3;
    s.antiguedad[1] = 12;
    const json d = json::parse(scaleDescription(s));
    EXPECT_EQ(d["nombre"], "Desde \"Marzo\" de 2.011");
    EXPECT_EQ(d["vigencia"], "2011-03");
    EXPECT_EQ(d["antiguedad"][1]["texto"], "12 %");
}

TEST(OpenedEntries, AFileSavedByTheDesktopProgram)
{
    const json r = json::parse(openedEntries(
        "{\"docente\": \"Gómez, Luis\", \"cargo\": true, \"codigocargo\": \"604\", \"jorcom\": \"12\", "
        "\"antiguedad\": 4, \"hijos\": 1, \"cantidadhijos\": \"2\", \"comentario\": \"marzo\"}\r\n",
        "Gómez.json", builtinScale()));
    ASSERT_TRUE(r["ok"].get<bool>()) << r.dump();
    const json& g = r["registro"];
    EXPECT_EQ(g["docente"], "Gómez, Luis");
    EXPECT_EQ(g["codigocargo"], "604");
    // A box typed over what the code's row puts there is kept; the others
    // come from the code.
    EXPECT_EQ(g["jorcom"], "12");
    EXPECT_FALSE(g.contains("cargox"));
    EXPECT_EQ(g["antiguedad"], 4);
    EXPECT_EQ(g["cantidadhijos"], "2");
    EXPECT_EQ(g["comentario"], "marzo");
    EXPECT_EQ(g["zona"], -1);
}

TEST(OpenedEntries, RefusedInTheDesktopProgramsWords)
{
    const auto error = [](std::string_view text) {
        const json r = json::parse(openedEntries(text, "datos.json", builtinScale()));
        EXPECT_FALSE(r["ok"].get<bool>());
        return r["error"].get<std::string>();
    };
    EXPECT_EQ(error("  \n"), "No se pudo abrir el archivo de datos «datos.json»: está vacío.");
    EXPECT_EQ(error("{\"cargo\": true}\n{\"cargo\": true}\n"),
              "No se pudo abrir el archivo de datos «datos.json»: tiene más de una línea y debe tener un solo registro.");
    EXPECT_EQ(error("{\"codigocargo\": \"604\", \"puntosbasicos\": \"9999\"}"),
              "No se pudo abrir el archivo de datos «datos.json»: \"puntosbasicos\" debe ser el puntaje del cargo de "
              "\"codigocargo\" («3146»).");
    EXPECT_NE(error("{\"sueldo\": 1}").find("Clave desconocida"), std::string::npos);
    EXPECT_NE(error("{\"cargo\": tru").find("JSON inválido"), std::string::npos);
}

TEST(OpenedEntries, BoxesHoldAtMostTheirLengthInUtf16)
{
    // 16,383 characters beyond the Basic Multilingual Plane are 32,766 units.
    std::string fits;
    for (int i = 0; i < 16383; ++i)
        fits += "😀";
    const json ok = json::parse(openedEntries("{\"docente\": \"" + fits + "a\"}", "d.json", builtinScale()));
    EXPECT_TRUE(ok["ok"].get<bool>());
    const json tooLong = json::parse(openedEntries("{\"docente\": \"" + fits + "😀\"}", "d.json", builtinScale()));
    EXPECT_EQ(tooLong["error"], "No se pudo abrir el archivo de datos «d.json»: \"docente\" es más largo que lo que "
                                "admite su casilla (32767 caracteres).");
}

// The page opens entries under the scale in use; a file naming another
// scale is opened all the same and the notice names both.
TEST(OpenedEntries, UnderTheScaleInUseSayingWhichScaleIsMissing)
{
    const std::string line = "{\"docente\": \"Paz\", \"cargo\": true, \"codigocargo\": \"604\", \"escala\": ";
    const json same = json::parse(openedEntries(line + "\"Desde Julio de 2.010\"}", "d.json", builtinScale()));
    ASSERT_TRUE(same["ok"].get<bool>()) << same.dump();
    EXPECT_EQ(same["registro"]["escala"], "Desde Julio de 2.010");
    EXPECT_FALSE(same.contains("aviso"));

    const json other = json::parse(openedEntries(line + "\"Desde Abril de 2.012\"}", "d.json", builtinScale()));
    ASSERT_TRUE(other["ok"].get<bool>()) << other.dump();
    EXPECT_EQ(other["registro"]["docente"], "Paz");
    EXPECT_EQ(other["registro"]["escala"], "Desde Abril de 2.012");
    EXPECT_EQ(other["aviso"], "Los datos se guardaron con la escala «Desde Abril de 2.012», que no está instalada. "
                              "Se usa la escala «Desde Julio de 2.010».");

    // A position only another scale's table has: its listed points are
    // refused under the scale in use.
    PayScale marzo = builtinScale();
    marzo.nombre = "Desde Marzo de 2.011";
    marzo.cargos = PositionTable({{"850", "Cargo Nuevo", "1000", "0", "0", "0", "10"}});
    const std::string position = "{\"cargo\": true, \"codigocargo\": \"850\", \"puntosbasicos\": \"1000\", "
                                 "\"escala\": \"Desde Marzo de 2.011\"}";
    EXPECT_TRUE(json::parse(openedEntries(position, "d.json", marzo))["ok"].get<bool>());
    EXPECT_FALSE(json::parse(openedEntries(position, "d.json", builtinScale()))["ok"].get<bool>());
}

} // namespace
} // namespace haberes::web

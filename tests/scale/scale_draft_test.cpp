// A scale in the making: every value as it is read and typed, checked by the
// file reader; a raise worked by hand; the list of changes.
#include "scale/scale_draft.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using namespace haberes;

namespace {

const std::string kRefused = "La escala «Desde Julio de 2.010» no es válida: ";

std::string code(std::size_t row) { return builtinScale().cargos[row].codigocargo; }

} // namespace

TEST(ScaleDraft, ItemsCarryTheCaptionsUnitsAndGroupsOfTheFormatsTable)
{
    const ScaleDraft d(builtinScale());
    // Every key but the version and the positions, lists item by item.
    EXPECT_EQ(d.items().size(), 189u);
    EXPECT_EQ(d.items().front().path, "nombre");
    EXPECT_EQ(d.items().back().path, "descuentos.seguro_510.cantidad");
    for (std::size_t i = 0; i < d.items().size(); ++i) {
        const ScaleItem& item = d.items()[i];
        EXPECT_FALSE(item.caption.empty()) << item.path;
        const bool text = item.kind == ScaleKind::text;
        EXPECT_EQ(item.unit.empty(), text) << item.path;
        EXPECT_EQ(d.item(item.path), &item);
        if (i > 0) {
            EXPECT_LE(d.items()[i - 1].group, item.group) << item.path;
        }
    }
    EXPECT_EQ(d.item("formato"), nullptr);
    EXPECT_EQ(d.item("cargos"), nullptr);

    const ScaleItem* point = d.item("valor_punto");
    ASSERT_NE(point, nullptr);
    EXPECT_EQ(point->caption, "Valor del punto");
    EXPECT_EQ(point->unit, "pesos por punto");
    EXPECT_EQ(point->group, ScaleGroup::points);
    EXPECT_EQ(point->raise, RaiseGroup::pointValues);
    EXPECT_EQ(point->kind, ScaleKind::rate);

    const ScaleItem* seniority = d.item("antiguedad[11]");
    ASSERT_NE(seniority, nullptr);
    EXPECT_EQ(seniority->caption, "Más de 24 años");
    EXPECT_EQ(seniority->unit, "%");
    EXPECT_EQ(seniority->key, "antiguedad");
    EXPECT_EQ(seniority->row, 11u);
    EXPECT_EQ(seniority->raise, RaiseGroup::none);
    EXPECT_EQ(d.item("zona[4]")->caption, "Zona Inhóspita");
    EXPECT_EQ(d.item("zona[0]")->caption, "Común");

    const ScaleItem* cell = d.item("adicional_006_cargo.tabla_a.montos[0][1]");
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->kind, ScaleKind::amountTable);
    EXPECT_EQ(cell->row, 0u);
    EXPECT_EQ(cell->column, 1u);
    EXPECT_EQ(cell->rowCaption, "Menos de 1 año");
    EXPECT_EQ(cell->columnCaption, "de 972 a 1169 puntos");
    EXPECT_EQ(cell->caption, "Menos de 1 año, de 972 a 1169 puntos");
    EXPECT_EQ(cell->group, ScaleGroup::line006);
    EXPECT_EQ(cell->raise, RaiseGroup::fixedAmounts);
    EXPECT_EQ(d.item("adicional_006_cargo.tabla_a.montos[11][0]")->columnCaption, "hasta 971 puntos");
    EXPECT_EQ(d.item("adicional_006_cargo.tabla_a.montos[11][5]")->columnCaption, "más de 2220 puntos");
    EXPECT_EQ(d.item("adicional_006_cargo.tabla_b.montos[3][1]")->columnCaption, "más de 971 puntos");
    EXPECT_EQ(d.item("hijo_1001.montos[0]")->caption, "Haberes hasta $ 2400");
    EXPECT_EQ(d.item("hijo_1001.montos[2]")->caption, "Haberes de más de $ 3600");

    // Points, percentages, shares, hour limits and texts are never raised.
    for (const char* path : {"horas_medio.puntos_por_hora", "horas_medio.adicional_006.horas_tope",
                             "adicional_006_cargo.tabla_a.topes_bandas[0]", "product_014.parte",
                             "reajuste_440[0]", "minimo_172.tasa_aportes", "familia_numerosa_1003.desde_hijos",
                             "descuentos.iosper_505.tasa", "nombre"})
        EXPECT_EQ(d.item(path)->raise, RaiseGroup::none) << path;
    EXPECT_EQ(d.item("horas_superior.incentivo_084.por_hora")->raise, RaiseGroup::hourAmounts);
    EXPECT_EQ(d.item("transporte_029.tope")->raise, RaiseGroup::fixedAmounts);
    EXPECT_EQ(d.item("hijo_1001.topes[0]")->raise, RaiseGroup::familyAllowances);
    EXPECT_EQ(d.item("minimo_172.minimo")->raise, RaiseGroup::minimum);

    EXPECT_EQ(d.fullCaption("horas_superior.adicional_006.tope"), "Tope de la línea 006 (nivel superior)");
    EXPECT_EQ(d.fullCaption("antiguedad[11]"), "Porcentaje por antigüedad, Más de 24 años");
    EXPECT_EQ(d.fullCaption("cargos[3].puntosbasicos"), "Cargo 604, puntos básicos");
    EXPECT_EQ(scaleGroupCaption(ScaleGroup::hoursMedio), "Horas de nivel medio");
    EXPECT_EQ(raiseGroupCaption(RaiseGroup::hourAmounts), "Importes por hora");
}

TEST(ScaleDraft, TextsAreWrittenAsTheFileWritesThem)
{
    PayScale start = builtinScale();
    start.valorPunto = 1.25;
    const ScaleDraft d(start);
    EXPECT_EQ(d.text("valor_punto"), "1.25");
    EXPECT_EQ(d.startText("valor_punto"), "1.25");
    EXPECT_EQ(ScaleDraft::referenceText("valor_punto"), "0.8947");
    EXPECT_EQ(d.text("vigencia"), "2010-07");
    EXPECT_EQ(d.text("nombre"), "Desde Julio de 2.010");
    EXPECT_EQ(d.text("horas_medio.adicional_006.tope"), "324.3");
    EXPECT_EQ(d.text("transporte_029.tasa"), "0.195344");
    EXPECT_EQ(d.text("hijo_1001.montos[0]"), "180");
    EXPECT_EQ(d.text("antiguedad[11]"), "120");
    EXPECT_EQ(d.text("adicional_006_cargo.tabla_b.montos[11][1]"), "633");
    EXPECT_EQ(d.text("descuentos.ley4035_504.cantidad"), "0,6 %");
    EXPECT_EQ(d.text("no_existe"), "");
    EXPECT_EQ(d.positionCount(), 311u);
    EXPECT_EQ(d.positionText(3, "codigocargo"), "604");
    EXPECT_EQ(d.positionText(3, "puntosbasicos"), "3146");
    EXPECT_EQ(ScaleDraft::referenceText("cargos[3].cargox"), "Asesor Pedagógico");
    EXPECT_EQ(d.positionText(311, "codigocargo"), "");
}

TEST(ScaleDraft, EveryGroupEditedReadsBackEqual)
{
    ScaleDraft d(builtinScale());
    PayScale want = builtinScale();
    std::size_t edits = 0;
    const auto set = [&](const char* path, const char* text) {
        EXPECT_EQ(d.set(path, text), "") << path;
        ++edits;
    };
    set("nombre", "Desde Marzo de 2.027");
    want.nombre = "Desde Marzo de 2.027";
    set("titulo_recibo", "Haberes desde Marzo 2.027");
    want.tituloRecibo = "Haberes desde Marzo 2.027";
    set("vigencia", "2027-03");
    want.vigenciaAnio = 2027;
    want.vigenciaMes = 3;
    set("valor_punto", "512.3456");
    want.valorPunto = 512.3456;
    set("horas_medio.puntos_por_hora", "70.5");
    want.horasMedio.puntosPorHora = 70.5;
    set("horas_medio.adicional_006.horas_tope", "28");
    want.horasMedio.horasTope006 = 28;
    set("horas_superior.negro_113.tope", "250.75");
    want.horasSuperior.tope113 = Currency::fromTicks(2507500);
    set("antiguedad[11]", "125");
    want.antiguedad[11] = 125;
    set("zona[1]", "25");
    want.zona[1] = 25;
    set("adicional_006_cargo.jornada_completa_desde", "650");
    want.jornadaCompleta006 = 650;
    set("adicional_006_cargo.tabla_a.montos[2][4]", "300.5");
    want.tablaA[2][4] = Currency::fromTicks(3005000);
    set("adicional_006_cargo.tabla_b.topes_bandas[0]", "1000");
    want.topesBandaB[0] = 1000;
    set("product_014.cantidad", "0.8");
    want.cantidadProduct = "0.8";
    set("nacion_cargo.negro_113", "120");
    want.negroCargo = Currency::pesos(120);
    set("plus_188.cantidad", "8.0");
    want.cantidadPlus = "8.0";
    set("reajuste_440[2]", "0.8");
    want.partesReajuste[2] = 0.8;
    set("minimo_172.minimo", "250000");
    want.minimo = Currency::pesos(250000);
    set("transporte_029.tasa", "0.25");
    want.tasaKm = 0.25;
    set("hijo_1001.topes[1]", "500000");
    want.topesHijo[1] = Currency::pesos(500000);
    set("hijo_1001.montos[0]", "20000");
    want.montosHijo[0] = 20000;
    set("conyuge_1010", "1500.25");
    want.conyuge = Currency::fromTicks(15002500);
    set("descuentos.ley4035_504.tasa", "0.007");
    want.ley4035.tasa = 0.007;
    set("descuentos.ley4035_504.cantidad", "0,7 %");
    want.ley4035.cantidad = "0,7 %";

    // Positions: a name, points and a code no other row has.
    std::vector<PositionRecord> rows = builtinScale().cargos.rows();
    std::string freeCode;
    for (int c = 600; c <= 999 && freeCode.empty(); ++c)
        if (!builtinScale().cargos.find(std::to_string(c)))
            freeCode = std::to_string(c);
    ASSERT_FALSE(freeCode.empty());
    EXPECT_EQ(d.setPosition(3, "puntosbasicos", "3200"), "");
    rows[3].puntosbasicos = "3200";
    EXPECT_EQ(d.setPosition(0, "cargox", "Analista Principal"), "");
    rows[0].cargox = "Analista Principal";
    EXPECT_EQ(d.setPosition(310, "codigocargo", freeCode), "");
    rows[310].codigocargo = freeCode;
    want.cargos = PositionTable(rows);
    edits += 3;

    const ScaleText r = d.result();
    ASSERT_TRUE(r.scale) << r.error;
    EXPECT_TRUE(*r.scale == want);
    EXPECT_EQ(r.scale->valorPunto, 512.3456);
    EXPECT_EQ(r.scale->cargos.find(freeCode), std::optional<std::size_t>(310));

    // Its file reads back, through the file reader, as the same scale.
    const std::string file = d.fileText();
    EXPECT_EQ(file, writeScale(want));
    const ScaleText back = readScaleText(file, "Desde Marzo de 2.027.json");
    ASSERT_TRUE(back.scale) << back.error;
    EXPECT_TRUE(*back.scale == want);

    // The texts as typed are the texts now given, numbers as the file has them.
    EXPECT_EQ(d.text("valor_punto"), "512.3456");
    EXPECT_EQ(d.text("conyuge_1010"), "1500.25");
    EXPECT_EQ(d.text("horas_superior.negro_113.tope"), "250.75");

    const std::vector<ScaleDraft::Change> changes = d.changes();
    EXPECT_EQ(changes.size(), edits);
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.front().path, "nombre");
    EXPECT_EQ(changes.front().caption, "Nombre de la escala");
    EXPECT_EQ(changes.front().before, "Desde Julio de 2.010");
    EXPECT_EQ(changes.front().after, "Desde Marzo de 2.027");
    bool sawPoint = false, sawPosition = false, sawCell = false;
    for (const ScaleDraft::Change& c : changes) {
        if (c.path == "valor_punto") {
            sawPoint = true;
            EXPECT_EQ(c.caption, "Valor del punto");
            EXPECT_EQ(c.before, "0.8947");
            EXPECT_EQ(c.after, "512.3456");
        } else if (c.path == "cargos[3].puntosbasicos") {
            sawPosition = true;
            EXPECT_EQ(c.caption, "Cargo 604, puntos básicos");
            EXPECT_EQ(c.before, "3146");
            EXPECT_EQ(c.after, "3200");
        } else if (c.path == "adicional_006_cargo.tabla_a.montos[2][4]") {
            sawCell = true;
            EXPECT_EQ(c.caption, "Tabla A: importe de la línea 006, Entre 2 y 5 años, de 1943 a 2220 puntos");
            EXPECT_EQ(c.before, "224");
            EXPECT_EQ(c.after, "300.5");
        }
    }
    EXPECT_TRUE(sawPoint && sawPosition && sawCell);
    EXPECT_EQ(changes.back().path, "cargos[310].codigocargo");
    EXPECT_EQ(changes.back().before, code(310));
}

TEST(ScaleDraft, ACopyGoesItsOwnWay)
{
    ScaleDraft a(builtinScale());
    EXPECT_EQ(a.set("valor_punto", "0.9"), "");
    ScaleDraft b = a;
    EXPECT_EQ(b.set("valor_punto", "0.95"), "");
    EXPECT_EQ(b.set("conyuge_1010", "x").empty(), false);
    EXPECT_EQ(a.text("valor_punto"), "0.9");
    EXPECT_EQ(a.error("conyuge_1010"), "");
    EXPECT_EQ(b.text("valor_punto"), "0.95");
    a = b;
    EXPECT_EQ(a.text("conyuge_1010"), "x");
    EXPECT_EQ(b.set("conyuge_1010", "20"), "");
    EXPECT_EQ(a.text("conyuge_1010"), "x");
    EXPECT_EQ(a.changes().size(), 2u);
}

TEST(ScaleDraft, SettingAValueBackRemovesItsChange)
{
    ScaleDraft d(builtinScale());
    EXPECT_TRUE(d.changes().empty());
    EXPECT_EQ(d.set("valor_punto", "0.9"), "");
    EXPECT_EQ(d.changes().size(), 1u);
    // Typed otherwise, the same number is no change.
    EXPECT_EQ(d.set("valor_punto", "0.89470"), "");
    EXPECT_EQ(d.text("valor_punto"), "0.8947");
    EXPECT_TRUE(d.changes().empty());
}

TEST(ScaleDraft, ValueOutOfBoundsGetsTheReadersMessageAndResultRefuses)
{
    ScaleDraft d(builtinScale());
    const std::string message = kRefused + "la clave «valor_punto» debe ser un número entre 0 y 1000.";
    EXPECT_EQ(d.set("valor_punto", "1000.5"), message);
    // The text stays as typed; the value is the last good one.
    EXPECT_EQ(d.text("valor_punto"), "1000.5");
    EXPECT_EQ(d.error("valor_punto"), message);
    EXPECT_EQ(d.error("valor_punto_jornada"), "");
    const ScaleText r = d.result();
    EXPECT_FALSE(r.scale);
    EXPECT_EQ(r.error, message);
    EXPECT_EQ(d.fileText(), "");
    // A later good value does not hide it.
    EXPECT_EQ(d.set("conyuge_1010", "20"), "");
    EXPECT_FALSE(d.result().scale);

    EXPECT_EQ(d.set("valor_punto", "1000"), "");
    EXPECT_EQ(d.error("valor_punto"), "");
    ASSERT_TRUE(d.result().scale);
    EXPECT_EQ(d.result().scale->valorPunto, 1000);
    EXPECT_NE(d.fileText(), "");

    EXPECT_EQ(d.set("horas_medio.adicional_006.tope", "324.12345"),
              kRefused + "la clave «horas_medio.adicional_006.tope» debe ser un importe entre 0 y 1000000000 con "
                         "hasta cuatro decimales.");
    EXPECT_EQ(d.set("horas_medio.adicional_006.tope", "324.1234"), "");
    EXPECT_EQ(d.set("antiguedad[3]", "256"),
              kRefused + "la clave «antiguedad[3]» debe ser un número entero entre 0 y 255.");
    EXPECT_EQ(d.set("nombre", ""), kRefused + "la clave «nombre» debe ser un texto no vacío.");
    EXPECT_EQ(d.set("vigencia", "2027-13"),
              kRefused + "la clave «vigencia» debe ser un mes con la forma \"AAAA-MM\" (por ejemplo \"2010-07\").");
    EXPECT_EQ(d.setPosition(0, "codigocargo", "604"),
              kRefused + "la clave «cargos[3].codigocargo» repite el código \"604\"; cada código debe aparecer una "
                         "sola vez.");
    EXPECT_EQ(d.setPosition(5, "puntosbasicos", "32768"),
              kRefused + "la clave «cargos[5].puntosbasicos» debe ser un número entero entre 0 y 32767, entre "
                         "comillas.");
    // The first refused value in file order is the one result() names.
    EXPECT_EQ(d.result().error, kRefused + "la clave «nombre» debe ser un texto no vacío.");
}

TEST(ScaleDraft, TopsRefusedUntilTheNextTopIsRaisedGoInThen)
{
    ScaleDraft d(builtinScale());
    EXPECT_EQ(d.set("adicional_006_cargo.tabla_a.topes_bandas[0]", "1200"),
              kRefused + "la clave «adicional_006_cargo.tabla_a.topes_bandas[1]» debe ser un número entero entre "
                         "1201 y 32767.");
    EXPECT_EQ(d.item("adicional_006_cargo.tabla_a.montos[0][0]")->columnCaption, "hasta 971 puntos");
    EXPECT_EQ(d.set("adicional_006_cargo.tabla_a.topes_bandas[1]", "1250"), "");
    EXPECT_EQ(d.error("adicional_006_cargo.tabla_a.topes_bandas[0]"), "");
    EXPECT_EQ(d.text("adicional_006_cargo.tabla_a.topes_bandas[0]"), "1200");
    ASSERT_TRUE(d.result().scale);
    EXPECT_EQ(d.result().scale->topesBandaA[0], 1200);
    EXPECT_EQ(d.result().scale->topesBandaA[1], 1250);
    // The columns are named after the tops as they are now.
    EXPECT_EQ(d.item("adicional_006_cargo.tabla_a.montos[0][0]")->columnCaption, "hasta 1200 puntos");
    EXPECT_EQ(d.item("adicional_006_cargo.tabla_a.montos[0][1]")->caption, "Menos de 1 año, de 1201 a 1250 puntos");
    EXPECT_EQ(d.set("hijo_1001.topes[1]", "4000.5"), "");
    EXPECT_EQ(d.item("hijo_1001.montos[2]")->caption, "Haberes de más de $ 4000.5");
}

TEST(ScaleDraft, TextThatIsNotANumberIsRefusedNamingTheKey)
{
    ScaleDraft d(builtinScale());
    const std::string point = kRefused + "la clave «valor_punto» debe ser un número entre 0 y 1000.";
    const std::string huge(400, '9');
    for (const char* text : {"abc", "", "0,9", "1e2", "0.9.1", "-1", "$ 1", "NaN", huge.c_str()})
        EXPECT_EQ(d.set("valor_punto", text), point) << text;
    // Text no file can hold.
    EXPECT_EQ(d.set("nombre", "Marzo \xff"), kRefused + "la clave «nombre» tiene texto que no es UTF-8 válido.");
    EXPECT_EQ(d.text("nombre"), "Marzo \xff");
    EXPECT_EQ(d.set("nombre", "Desde Julio de 2.010"), "");
    EXPECT_EQ(d.set("antiguedad[3]", "3,5"), kRefused + "la clave «antiguedad[3]» debe ser un número entero entre 0 y 255.");
    EXPECT_EQ(d.set("antiguedad[3]", "30.5"), kRefused + "la clave «antiguedad[3]» debe ser un número entero entre 0 y 255.");
    EXPECT_EQ(d.set("adicional_006_cargo.tabla_b.montos[1][0]", "x"),
              kRefused + "la clave «adicional_006_cargo.tabla_b.montos[1][0]» debe ser un importe entre 0 y 1000000000 "
                         "con hasta cuatro decimales.");
    // Blanks around a number and a plus sign are a number; "30.0" a whole one.
    EXPECT_EQ(d.set("valor_punto", " +0.95 "), "");
    EXPECT_EQ(d.text("valor_punto"), "0.95");
    EXPECT_EQ(d.set("antiguedad[3]", "30.0"), "");
    EXPECT_EQ(d.text("antiguedad[3]"), "30");
    EXPECT_EQ(d.set("valor_puntos", "1"), kRefused + "la clave «valor_puntos» no es parte del formato de escalas.");
    EXPECT_EQ(d.setPosition(311, "codigocargo", "600"),
              kRefused + "la clave «cargos[311].codigocargo» no es parte del formato de escalas.");
    EXPECT_EQ(d.error("valor_puntos"), "");
    EXPECT_FALSE(d.result().scale);
    EXPECT_EQ(d.set("adicional_006_cargo.tabla_b.montos[1][0]", "112"), "");
    EXPECT_TRUE(d.result().scale) << d.result().error;
}

TEST(ScaleDraft, MessagesNameTheScaleByItsLastGoodName)
{
    ScaleDraft d(builtinScale());
    EXPECT_EQ(d.set("nombre", "Marzo 2027"), "");
    EXPECT_EQ(d.set("valor_punto", "-1"),
              "La escala «Marzo 2027» no es válida: la clave «valor_punto» debe ser un número entre 0 y 1000.");
}

// Worked by hand, 10 % on the July 2010 scale: each value × 1.1, amounts and
// rates to four decimals, whole pesos per child to whole pesos.
TEST(ScaleDraft, TenPercentRaiseOfEveryGroup)
{
    ScaleDraft d(builtinScale());
    EXPECT_EQ(d.raise(10, {RaiseGroup::pointValues, RaiseGroup::hourAmounts, RaiseGroup::fixedAmounts,
                           RaiseGroup::familyAllowances, RaiseGroup::minimum}),
              "");
    const std::pair<const char*, const char*> worked[] = {
        {"valor_punto", "0.9842"},                                  // 0.98417
        {"valor_punto_jornada", "1.2034"},                          // 1.2034
        {"horas_medio.adicional_006.por_hora", "11.891"},           // 11.891
        {"horas_medio.adicional_006.tope", "356.73"},               // 356.73
        {"horas_superior.adicional_006.tope", "178.365"},           // 178.365
        {"horas_medio.incentivo_084.por_hora", "12.1"},             // 12.1
        {"horas_superior.incentivo_084.por_hora", "15.125"},        // 15.125
        {"horas_medio.incentivo_084.tope", "363"},                  // 363
        {"horas_medio.negro_113.por_hora", "7.3333"},               // 7.33326
        {"horas_superior.negro_113.por_hora", "9.1666"},            // 9.16663
        {"adicional_006_cargo.tabla_a.montos[0][1]", "108.9"},      // 99 → 108.9
        {"adicional_006_cargo.tabla_a.montos[11][5]", "259.6"},     // 236 → 259.6
        {"adicional_006_cargo.tabla_b.montos[11][1]", "696.3"},     // 633 → 696.3
        {"nacion_cargo.incentivo_084", "181.5"},                    // 165 → 181.5
        {"nacion_cargo.negro_113_jornada", "220"},                  // 200 → 220
        {"minimo_172.minimo", "1639"},                              // 1490 → 1639
        {"transporte_029.tasa_prueba", "0.14819"},                  // 0.148192, five decimals as before
        {"transporte_029.tope_prueba", "177.98"},                   // 177.98
        {"transporte_029.tasa", "0.214878"},                        // 0.2148784, six decimals as before
        {"transporte_029.tope", "258.071"},                         // 258.071
        {"hijo_1001.topes[0]", "2640"},                             // 2640
        {"hijo_1001.topes[1]", "3960"},                             // 3960
        {"hijo_1001.montos[0]", "198"},                             // 198
        {"hijo_1001.montos[1]", "150"},                             // 149.6
        {"hijo_1001.montos[2]", "100"},                             // 100.1
        {"hijo_diferenciado_1002", "792"},                          // 792
        {"familia_numerosa_1003.monto", "3.3"},                     // 3.3
        {"conyuge_1010", "16.5"},                                   // 16.5
        // Never raised.
        {"horas_medio.puntos_por_hora", "64.73"},
        {"horas_medio.adicional_006.horas_tope", "30"},
        {"antiguedad[11]", "120"},
        {"zona[4]", "120"},
        {"adicional_006_cargo.tabla_a.topes_bandas[4]", "2220"},
        {"adicional_006_cargo.jornada_completa_desde", "620"},
        {"product_014.parte", "0.07"},
        {"reajuste_440[0]", "0.25"},
        {"minimo_172.puntos_mayor_que", "900"},
        {"minimo_172.tasa_aportes", "0.196"},
        {"minimo_172.factor_zona", "1.07"},
        {"familia_numerosa_1003.desde_hijos", "3"},
        {"descuentos.aporte_jub_502.tasa", "0.16"},
        {"nombre", "Desde Julio de 2.010"},
    };
    for (const auto& [path, text] : worked)
        EXPECT_EQ(d.text(path), text) << path;
    EXPECT_EQ(d.positionText(3, "puntosbasicos"), "3146");
    const ScaleText r = d.result();
    ASSERT_TRUE(r.scale) << r.error;
    EXPECT_EQ(r.scale->valorPunto, 0.9842);
    EXPECT_EQ(r.scale->horasMedio.tope006, Currency::fromTicks(3567300));
    EXPECT_EQ(r.scale->montosHijo, (std::array<int, 3>{198, 150, 100}));
    const ScaleText back = readScaleText(d.fileText(), "x.json");
    ASSERT_TRUE(back.scale) << back.error;
    EXPECT_TRUE(*back.scale == *r.scale);
    // Point values 2, per-hour amounts 6, hour caps 6, table A 62 (ten of its
    // 72 cells are 0), table B 24, positions' 084 and 113 4, transport 4,
    // family 8, minimum 1.
    EXPECT_EQ(d.changes().size(), 117u);
}

TEST(ScaleDraft, RaiseMovesOnlyTheTickedGroupsFromThePresentValues)
{
    ScaleDraft d(builtinScale());
    EXPECT_EQ(d.set("valor_punto", "1"), "");
    EXPECT_EQ(d.raise(10, {RaiseGroup::pointValues}), "");
    EXPECT_EQ(d.text("valor_punto"), "1.1");
    EXPECT_EQ(d.text("valor_punto_jornada"), "1.2034");
    EXPECT_EQ(d.text("horas_medio.adicional_006.por_hora"), "10.81");
    EXPECT_EQ(d.text("minimo_172.minimo"), "1490");
    // Twice: from 1.1, 1.21.
    EXPECT_EQ(d.raise(10, {RaiseGroup::pointValues}), "");
    EXPECT_EQ(d.text("valor_punto"), "1.21");
    EXPECT_EQ(d.raise(10, {RaiseGroup::minimum}), "");
    EXPECT_EQ(d.text("minimo_172.minimo"), "1639");
    EXPECT_EQ(d.text("conyuge_1010"), "15");
    EXPECT_EQ(d.raise(10, {}), "");
    EXPECT_EQ(d.raise(10, {RaiseGroup::none}), "");
    EXPECT_EQ(d.text("antiguedad[11]"), "120");
}

// Halves go to the even neighbour, as every amount of the program: 135 × 1.1
// is 148.5 pesos per child, 148; 137 × 1.1 is 150.7, 151; an amount of
// 0.0005 × 1.1 is 0.00055, 5.5 ten-thousandths, to the even 6: 0.0006.
TEST(ScaleDraft, RaiseRoundsHalvesAsEveryAmountIsRounded)
{
    ScaleDraft d(builtinScale());
    EXPECT_EQ(d.set("hijo_1001.montos[1]", "135"), "");
    EXPECT_EQ(d.set("hijo_1001.montos[2]", "137"), "");
    EXPECT_EQ(d.set("conyuge_1010", "0.0005"), "");
    EXPECT_EQ(d.raise(10, {RaiseGroup::familyAllowances}), "");
    EXPECT_EQ(d.text("hijo_1001.montos[1]"), "148");
    EXPECT_EQ(d.text("hijo_1001.montos[2]"), "151");
    EXPECT_EQ(d.text("conyuge_1010"), "0.0006");
    EXPECT_EQ(scaleField("valor_punto")->caption, "Valor del punto");
    EXPECT_EQ(scaleField("antiguedad")->itemCaptions.back(), "Más de 24 años");
}

TEST(ScaleDraft, RaiseBeyondALimitIsRefusedWholeWithTheReadersMessage)
{
    ScaleDraft d(builtinScale());
    EXPECT_EQ(d.set("hijo_diferenciado_1002", "32000"), "");
    const std::string before = d.fileText();
    EXPECT_EQ(d.raise(10, {RaiseGroup::familyAllowances, RaiseGroup::pointValues}),
              kRefused + "la clave «hijo_diferenciado_1002» debe ser un número entero entre 0 y 32767.");
    EXPECT_EQ(d.fileText(), before);
    EXPECT_EQ(d.text("hijo_1001.montos[0]"), "180");
    EXPECT_EQ(d.text("valor_punto"), "0.8947");
    EXPECT_EQ(d.error("hijo_diferenciado_1002"), "");

    // A value of a ticked group still refused stops the raise.
    const std::string refused = kRefused + "la clave «conyuge_1010» debe ser un importe entre 0 y 1000000000 con "
                                           "hasta cuatro decimales.";
    EXPECT_EQ(d.set("conyuge_1010", "abc"), refused);
    EXPECT_EQ(d.raise(5, {RaiseGroup::familyAllowances}), refused);
    EXPECT_EQ(d.text("hijo_1001.montos[0]"), "180");
    // Another group is raised all the same.
    EXPECT_EQ(d.raise(5, {RaiseGroup::minimum}), "");
    EXPECT_EQ(d.text("minimo_172.minimo"), "1564.5");
    EXPECT_EQ(d.raise(std::numeric_limits<double>::quiet_NaN(), {RaiseGroup::minimum}),
              "El aumento debe ser un porcentaje.");
    EXPECT_EQ(d.raise(-200, {RaiseGroup::minimum}),
              kRefused + "la clave «minimo_172.minimo» debe ser un importe entre 0 y 1000000000 con hasta cuatro "
                         "decimales.");
    EXPECT_EQ(d.text("minimo_172.minimo"), "1564.5");
}

TEST(ScaleDraftCaptions, AmountsInCaptionsTakeTheCaptionSeparatorAndFollowTheTops)
{
    ScaleDraft d(builtinScale(), NumberFormat{","});
    EXPECT_EQ(d.item("hijo_1001.montos[0]")->caption, "Haberes hasta $ 2400");
    EXPECT_EQ(d.set("hijo_1001.topes[0]", "2400.5"), "");
    EXPECT_EQ(d.item("hijo_1001.montos[0]")->caption, "Haberes hasta $ 2400,5");
    EXPECT_EQ(d.item("hijo_1001.montos[1]")->caption, "Haberes hasta $ 3600");
    // The value itself is written as the file holds it.
    EXPECT_EQ(d.text("hijo_1001.topes[0]"), "2400.5");
    // Without a format, a point.
    ScaleDraft plain(builtinScale());
    EXPECT_EQ(plain.set("hijo_1001.topes[0]", "2400.5"), "");
    EXPECT_EQ(plain.item("hijo_1001.montos[0]")->caption, "Haberes hasta $ 2400.5");
}

TEST(ScaleDraftRaise, RatesKeepTheirDecimalsUpToEight)
{
    ScaleDraft d(builtinScale());
    ASSERT_EQ(d.set("transporte_029.tasa", "0.123456789"), "");
    ASSERT_EQ(d.set("transporte_029.tasa_prueba", "0.00000001"), "");
    ASSERT_EQ(d.set("transporte_029.tope_prueba", "12"), "");
    ASSERT_EQ(d.raise(10, {RaiseGroup::fixedAmounts}), "");
    // 0.1358024679 to eight decimals; 0.000000011 to eight; 13.2 as an amount.
    EXPECT_EQ(d.text("transporte_029.tasa"), "0.13580247");
    EXPECT_EQ(d.text("transporte_029.tasa_prueba"), "1e-08"); // as the file writes it
    EXPECT_EQ(d.text("transporte_029.tope_prueba"), "13.2");
}

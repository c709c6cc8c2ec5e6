// A record written as JSON: the entries files' bytes exactly, and read back
// it is the record it came from.
#include "engine/position_entries.h"
#include "record/nlohmann_source.h"
#include "record/record_reader.h"
#include "record/record_writer.h"
#include "record/simdjson_source.h"

#include <gtest/gtest.h>

#include <QJsonDocument>

using namespace haberes;
using namespace haberes::record;

namespace {

// A position with one dialog box typed over, and most check boxes.
PayRecord position()
{
    PayRecord r;
    PayEntries& e = r.entries;
    e.docente = "Núñez, José";
    e.cargo = true;
    choosePositionByCode(e, "734");
    e.tardif = "12,5";
    selectSeniority(e, 10);
    e.zona = 2;
    e.transporte = 1;
    e.cantkm = "150";
    e.hijos = 1;
    e.cantidadhijos = "3";
    e.Iosper = e.ZUTEL = 1;
    r.comentario = "Revisar\nantigüedad";
    return r;
}

} // namespace

TEST(RecordWriter, KeysInTheOrderOfTheirNamesAndTheDialogOnlyWhereTyped)
{
    EXPECT_EQ(recordText(position()),
              R"({"APORTEJUB":0,"Iosper":1,"Ley4035":0,"Osplad":0,"Seguro3011":0,"ZUTEL":1,"antiguedad":10,)"
              R"("cajacomp":0,"cantidadhijos":"3","cantidadhijosdisc":"0","cantkm":"150","cargo":true,)"
              R"("codigocargo":"734","comentario":"Revisar\nantigüedad","conyuge":0,"dinasist":"0",)"
              R"("docente":"Núñez, José","hijos":1,"hijosdisc":0,"horasmedio":false,"horassup":false,)"
              R"("numerohorasmed":"0","numerohorassup":"0","numhorascod06":"0","numhorascod113":"0",)"
              R"("numhorasincen":"0","opincentivo":1,"tardif":"12,5","transporte":1,"zona":2})"
              "\n");
}

TEST(RecordWriter, NoCodeNoCodeKeyAndTypedDialogBoxesKept)
{
    PayRecord r;
    r.entries.cargox = "Mío";
    r.entries.punbas = "1000";
    r.entries.puntosbasicos = "1000"; // never written: the code brings it
    const std::string text = recordText(r);
    EXPECT_EQ(text.find("codigocargo"), std::string::npos) << text;
    EXPECT_EQ(text.find("puntosbasicos"), std::string::npos) << text;
    EXPECT_NE(text.find(R"("cargox":"Mío")"), std::string::npos) << text;
    EXPECT_NE(text.find(R"("punbas":"1000")"), std::string::npos) << text;
    EXPECT_NE(text.find(R"("zona":-1)"), std::string::npos) << text;
}

// The bytes Qt's compact JSON gives for the same object, whatever the texts
// hold: the files written before keep being written the same.
TEST(RecordWriter, TheBytesQtsJsonWrites)
{
    const std::string texts[] = {
        "", "plain", "\"quoted\" \\ back", "\b\f\n\r\t", std::string("\x01\x1f\x7f", 3), std::string(1, '\0'),
        "ñ € 😀", "/slash/", "long text, long text, long text", "\b\b\b\b\b\b\b\b\b\f",
    };
    for (const std::string& t : texts) {
        PayRecord r = position();
        r.entries.docente = t;
        r.entries.cargox = t + "x";
        r.comentario = t;
        const std::string text = recordText(r);
        const QByteArray bytes = QByteArray::fromStdString(text);
        QJsonParseError error;
        const QJsonDocument qt = QJsonDocument::fromJson(bytes, &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << text;
        EXPECT_EQ(qt.toJson(QJsonDocument::Compact) + '\n', bytes);
    }
}

TEST(RecordWriter, ReadBackItIsTheSameRecord)
{
    std::vector<PayRecord> records{PayRecord{}, position()};
    PayRecord hours;
    hours.entries.horasmedio = true;
    hours.entries.numerohorasmed = " 18,5 ";
    hours.entries.numhorasincen = "abc";
    hours.entries.opincentivo = 0;
    selectSeniority(hours.entries, 12);
    hours.entries.zona = 4;
    hours.entries.conyuge = hours.entries.Seguro3011 = 1;
    hours.comentario = "\b\f\x01 \"x\"";
    records.push_back(hours);
    PayRecord unknownCode = position();
    choosePositionByCode(unknownCode.entries, "123");
    unknownCode.entries.punbas = "900";
    records.push_back(unknownCode);
    PayRecord paid = position();
    paid.cobrado = PaidTexts{{"001", "2814,73"}, {"9", " 1.5 \"x\""}, {"liquido", "4200"}};
    records.push_back(paid);
    PayRecord nothingPaid;
    nothingPaid.cobrado.emplace();
    records.push_back(nothingPaid);
    PayRecord named = position();
    named.escala = "Desde Julio de 2.010";
    records.push_back(named);

    SimdjsonSource simd;
    NlohmannSource nlohmann;
    for (const PayRecord& r : records) {
        const std::string text = recordText(r);
        for (JsonSource* json : {static_cast<JsonSource*>(&simd), static_cast<JsonSource*>(&nlohmann)}) {
            const RecordRead back = readRecord(*json, text);
            ASSERT_TRUE(back.record) << text << back.error;
            EXPECT_EQ(*back.record, r) << text;
        }
    }
}

TEST(RecordWriter, PaidAmountsOnlyWhenGivenInTheOrderTyped)
{
    EXPECT_EQ(recordText(PayRecord{}).find("cobrado"), std::string::npos);
    PayRecord r;
    r.cobrado = PaidTexts{{"liquido", "4200"}, {"001", "2814,73"}};
    const std::string text = recordText(r);
    EXPECT_NE(text.find(R"("cobrado":{"liquido":"4200","001":"2814,73"},"comentario")"), std::string::npos)
        << text;
    r.cobrado.emplace();
    EXPECT_NE(recordText(r).find(R"("cobrado":{},)"), std::string::npos);
}

// The scale's name only when given, among the keys by name; the dialog's
// texts compared with the row of the scale given.
TEST(RecordWriter, TheScalesNameOnlyWhenGiven)
{
    const std::string unnamed = recordText(position());
    EXPECT_EQ(unnamed.find("escala"), std::string::npos);
    PayRecord r = position();
    r.escala = "Escala \"nueva\" ñ";
    const std::string text = recordText(r);
    EXPECT_NE(text.find(R"("dinasist":"0","docente":"Núñez, José","escala":"Escala \"nueva\" ñ","hijos":1)"),
              std::string::npos)
        << text;
    // Apart from the name, the same bytes.
    std::string without = text;
    without.erase(without.find(R"("escala":)"), std::string(R"("escala":"Escala \"nueva\" ñ",)").size());
    EXPECT_EQ(without, unnamed);

    PayScale other = builtinScale();
    other.cargos = PositionTable({{"734", "Otro Cargo", "1000", "0", "0", "0", "10"}});
    PayRecord typed;
    choosePositionByCode(typed.entries, "734", other);
    typed.escala = "Otra";
    const std::string under = recordText(typed, other);
    EXPECT_EQ(under.find("cargox"), std::string::npos) << under;
    EXPECT_EQ(under.find("compbas"), std::string::npos) << under;
    // Under the built-in table the same texts differ from its row.
    EXPECT_NE(recordText(typed).find(R"("cargox":"Otro Cargo")"), std::string::npos);
}

// Scale files: the built-in scale written and read back unchanged, and every
// kind of fault refused whole with the file, the key and what it must hold.
#include "scale/scale_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace haberes;

namespace {

QByteArray builtinJson() { return QByteArray::fromStdString(writeScale(builtinScale())); }

// Replaces (or, with an undefined value, removes) the value at a path such
// as "cargos[7].codigocargo".
QJsonValue setAt(const QJsonValue& node, QStringList path, const QJsonValue& value)
{
    if (path.isEmpty())
        return value;
    const QString step = path.takeFirst();
    static const QRegularExpression indexed(QStringLiteral("^(.*)\\[(\\d+)\\]$"));
    const auto m = indexed.match(step);
    if (m.hasMatch()) {
        // "a[3]" is key a, then element 3.
        QStringList rest = path;
        rest.prepend(QStringLiteral("#") + m.captured(2));
        return m.captured(1).isEmpty() ? setAt(node, rest, value)
                                       : setAt(node, QStringList{m.captured(1)} + rest, value);
    }
    if (step.startsWith(u'#')) {
        QJsonArray a = node.toArray();
        const int i = step.mid(1).toInt();
        const QJsonValue child = setAt(a.at(i), path, value);
        if (child.isUndefined())
            a.removeAt(i);
        else
            a.replace(i, child);
        return a;
    }
    QJsonObject o = node.toObject();
    const QJsonValue child = setAt(o.value(step), path, value);
    if (child.isUndefined())
        o.remove(step);
    else
        o.insert(step, child);
    return o;
}

// Splits "a.b[2].c" into "a", "b[2]", "c" (then "b[2]" into b and #2).
QStringList steps(const QString& path)
{
    QStringList out;
    for (const QString& part : path.split(u'.')) {
        static const QRegularExpression idx(QStringLiteral("\\[(\\d+)\\]"));
        const int open = static_cast<int>(part.indexOf(u'['));
        out << (open < 0 ? part : part.left(open));
        auto it = idx.globalMatch(part);
        while (it.hasNext())
            out << QStringLiteral("#") + it.next().captured(1);
    }
    return out;
}

QByteArray withValue(const QString& path, const QJsonValue& value)
{
    const QJsonDocument doc = QJsonDocument::fromJson(builtinJson());
    return QJsonDocument(setAt(doc.object(), steps(path), value).toObject()).toJson();
}

} // namespace

TEST(ScaleFile, BuiltinScaleReadsBackIdentical)
{
    const ScaleFileResult r = readScale(builtinJson(), QStringLiteral("julio.json"));
    ASSERT_TRUE(r.scale) << r.error.toStdString();
    EXPECT_TRUE(*r.scale == builtinScale());
    // Written again, byte for byte the same.
    EXPECT_EQ(writeScale(*r.scale), writeScale(builtinScale()));
    EXPECT_EQ(r.scale->cargos.size(), 311u);
    EXPECT_EQ(r.scale->cargos.find("604"), 3u);
}

TEST(ScaleFile, NumbersKeepEveryDigit)
{
    PayScale s = builtinScale();
    s.valorPunto = 0.1 + 0.2; // 0.30000000000000004
    s.horasMedio.puntosPorHora = 64.73000000000001;
    s.minimo = Currency::fromTicks(14900001); // 1490.0001
    s.conyuge = Currency::fromTicks(1);
    s.nombre = "Marzo \"2011\" \\ ñ";
    const ScaleFileResult r = readScale(QByteArray::fromStdString(writeScale(s)), QStringLiteral("x.json"));
    ASSERT_TRUE(r.scale) << r.error.toStdString();
    EXPECT_TRUE(*r.scale == s);
}

TEST(ScaleFile, WrittenFormBeginsWithTheIdentity)
{
    const std::string text = writeScale(builtinScale());
    EXPECT_EQ(text.rfind("{\n  \"formato\": 1,\n  \"nombre\": \"Desde Julio de 2.010\",\n"
                         "  \"titulo_recibo\": \"Haberes desde Julio 2.010\",\n  \"vigencia\": \"2010-07\",\n",
                         0),
              0u)
        << text.substr(0, 200);
    EXPECT_NE(text.find("\"valor_punto\": 0.8947,"), std::string::npos);
    EXPECT_NE(text.find("\"tope\": 324.3}"), std::string::npos);
    EXPECT_NE(text.find("{\"codigocargo\": \"999\", \"cargox\": \"Analista Princ Tec Doc\", \"puntosbasicos\": "
                        "\"3146\", \"proljornada\": \"0\", \"jorcompleta\": \"0\", \"tareadif\": \"0\", "
                        "\"compbasico\": \"0\"}"),
              std::string::npos);
}

struct Refusal {
    const char* path;      // where the fault is put
    QJsonValue value;      // the faulty value; undefined removes the key
    const char* named;     // the key the message names
    const char* mustHold;  // part of what it says the key must hold
};

class ScaleRefusals : public testing::TestWithParam<Refusal> {};

TEST_P(ScaleRefusals, NameTheFileTheKeyAndWhatItMustHold)
{
    const Refusal& c = GetParam();
    const ScaleFileResult r = readScale(withValue(QString::fromLatin1(c.path), c.value), QStringLiteral("marzo.json"));
    EXPECT_FALSE(r.scale);
    const std::string message = r.error.toStdString();
    EXPECT_NE(message.find("«marzo.json»"), std::string::npos) << message;
    EXPECT_NE(message.find(std::string("«") + c.named + "»"), std::string::npos) << message;
    EXPECT_NE(message.find(c.mustHold), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ScaleRefusals,
    testing::Values(
        // Missing keys, top level and nested.
        Refusal{"valor_punto", QJsonValue::Undefined, "valor_punto", "falta la clave"},
        Refusal{"horas_medio.adicional_006.tope", QJsonValue::Undefined, "horas_medio.adicional_006.tope",
                "falta la clave"},
        Refusal{"cargos[5].compbasico", QJsonValue::Undefined, "cargos[5].compbasico", "falta la clave"},
        // Wrong types.
        Refusal{"nombre", 5, "nombre", "un texto no vacío"},
        Refusal{"nombre", "", "nombre", "un texto no vacío"},
        Refusal{"valor_punto", "0.8947", "valor_punto", "un número entre 0 y 1000"},
        Refusal{"horas_superior", QJsonArray{}, "horas_superior", "un objeto"},
        Refusal{"cargos[0].puntosbasicos", 3146, "cargos[0].puntosbasicos", "entre comillas"},
        Refusal{"cargos[0].puntosbasicos", "3146,5", "cargos[0].puntosbasicos", "un número entero entre 0 y 32767"},
        Refusal{"cargos[0].puntosbasicos", "32768", "cargos[0].puntosbasicos", "un número entero entre 0 y 32767"},
        Refusal{"product_014.cantidad", "0,7", "product_014.cantidad", "con punto decimal"},
        Refusal{"product_014.cantidad", 0.7, "product_014.cantidad", "con punto decimal"},
        // Negative and too large values.
        Refusal{"descuentos.aporte_jub_502.tasa", -0.16, "descuentos.aporte_jub_502.tasa", "un número entre 0 y 1"},
        Refusal{"reajuste_440[1]", -0.5, "reajuste_440[1]", "un número entre 0 y 1"},
        Refusal{"conyuge_1010", -15, "conyuge_1010", "un importe entre 0 y"},
        Refusal{"zona[2]", 256, "zona[2]", "un número entero entre 0 y 255"},
        Refusal{"hijo_1001.montos[0]", 180.5, "hijo_1001.montos[0]", "un número entero entre 0 y 32767"},
        Refusal{"valor_punto", 1000.5, "valor_punto", "un número entre 0 y 1000"},
        // Money has four decimals at most.
        Refusal{"minimo_172.minimo", 1490.00001, "minimo_172.minimo", "hasta cuatro decimales"},
        // Tables of the wrong size.
        Refusal{"antiguedad[11]", QJsonValue::Undefined, "antiguedad", "una lista de 12"},
        Refusal{"adicional_006_cargo.tabla_a.montos[3][5]", QJsonValue::Undefined,
                "adicional_006_cargo.tabla_a.montos[3]", "una lista de 6 importes"},
        Refusal{"adicional_006_cargo.tabla_b.montos[11]", QJsonValue::Undefined, "adicional_006_cargo.tabla_b.montos",
                "una lista de 12 filas"},
        Refusal{"reajuste_440", QJsonArray{0.25, 0.5}, "reajuste_440", "una lista de 3"},
        Refusal{"cargos", QJsonArray{}, "cargos", "una lista de cargos"},
        // Bands go up.
        Refusal{"adicional_006_cargo.tabla_a.topes_bandas[2]", 1169, "adicional_006_cargo.tabla_a.topes_bandas[2]",
                "un número entero entre 1170 y 32767"},
        Refusal{"hijo_1001.topes[1]", 2000, "hijo_1001.topes[1]", "un importe entre 2400.0001 y"},
        Refusal{"hijo_1001.topes[1]", 2400, "hijo_1001.topes[1]", "un importe entre 2400.0001 y"},
        // Position codes: three digits from 600 to 999, each once.
        Refusal{"cargos[7].codigocargo", "999", "cargos[7].codigocargo", "repite el código \"999\""},
        Refusal{"cargos[0].codigocargo", "599", "cargos[0].codigocargo", "entre \"600\" y \"999\""},
        Refusal{"cargos[0].codigocargo", "1000", "cargos[0].codigocargo", "entre \"600\" y \"999\""},
        Refusal{"cargos[0].codigocargo", " 999", "cargos[0].codigocargo", "entre \"600\" y \"999\""},
        Refusal{"cargos[0].codigocargo", 999, "cargos[0].codigocargo", "entre \"600\" y \"999\""},
        // The effective month.
        Refusal{"vigencia", "2010-13", "vigencia", "un mes con la forma \"AAAA-MM\""},
        Refusal{"vigencia", "2010-7", "vigencia", "un mes con la forma \"AAAA-MM\""},
        Refusal{"vigencia", "julio", "vigencia", "un mes con la forma \"AAAA-MM\""},
        Refusal{"vigencia", 201007, "vigencia", "un mes con la forma \"AAAA-MM\""},
        // A key the format does not have, and a format it does not know.
        Refusal{"valor_puntos", 1, "valor_puntos", "no es parte del formato"},
        Refusal{"cargos[3].codigo", "604", "cargos[3].codigo", "no es parte del formato"},
        Refusal{"formato", 2, "formato", "un número entero entre 1 y 1"}));

TEST(ScaleFile, TextThatIsNotAScaleObjectIsRefused)
{
    for (const char* text : {"", "{", "[]", "null", "{\"nombre\": \"x\"} x", "\xff"}) {
        const ScaleFileResult r = readScale(QByteArray(text), QStringLiteral("roto.json"));
        EXPECT_FALSE(r.scale) << text;
        EXPECT_TRUE(r.error.startsWith(QStringLiteral("La escala «roto.json» no es válida: "))) << text;
    }
}

TEST(ScaleFile, AFileThatCannotBeReadIsNamed)
{
    const ScaleFileResult r = readScaleFile(QStringLiteral("/nonexistent/dir/escala.json"));
    EXPECT_FALSE(r.scale);
    EXPECT_TRUE(r.error.contains(QStringLiteral("«/nonexistent/dir/escala.json»"))) << r.error.toStdString();
}

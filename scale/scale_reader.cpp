// Reading a scale file: every key checked, the first fault named, nothing
// kept from a file with a fault.
#include "scale/scale_file.h"

#include "engine/numbers.h"
#include "scale/scale_limits.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>
#include <initializer_list>
#include <set>

namespace haberes {

namespace {

QString number(double v) { return QString::number(v, 'f', 0); }

// What a JSON parse error means, in the user's words.
QString parseProblem(QJsonParseError::ParseError e)
{
    switch (e) {
    case QJsonParseError::UnterminatedObject: return QStringLiteral("un objeto sin cerrar");
    case QJsonParseError::MissingNameSeparator: return QStringLiteral("falta «:» después de una clave");
    case QJsonParseError::UnterminatedArray: return QStringLiteral("una lista sin cerrar");
    case QJsonParseError::MissingValueSeparator: return QStringLiteral("falta una coma entre dos valores");
    case QJsonParseError::IllegalValue: return QStringLiteral("un valor que no es JSON");
    case QJsonParseError::TerminationByNumber: return QStringLiteral("el texto termina en medio de un número");
    case QJsonParseError::IllegalNumber: return QStringLiteral("un número mal escrito");
    case QJsonParseError::IllegalEscapeSequence: return QStringLiteral("una secuencia de escape no válida");
    case QJsonParseError::IllegalUTF8String: return QStringLiteral("texto que no es UTF-8 válido");
    case QJsonParseError::UnterminatedString: return QStringLiteral("un texto sin cerrar");
    case QJsonParseError::MissingObject: return QStringLiteral("no empieza con un objeto");
    case QJsonParseError::DeepNesting: return QStringLiteral("demasiados niveles anidados");
    case QJsonParseError::DocumentTooLarge: return QStringLiteral("es demasiado grande");
    case QJsonParseError::GarbageAtEnd: return QStringLiteral("hay texto después del objeto");
    default: return QStringLiteral("no es JSON válido");
    }
}

class Reader {
public:
    explicit Reader(QString file) : file_(std::move(file)) {}

    bool failed() const { return !error_.isEmpty(); }
    const QString& error() const { return error_; }

    void fail(const QString& message)
    {
        if (error_.isEmpty())
            error_ = QStringLiteral("La escala «%1» no es válida: %2.").arg(file_, message);
    }
    void wrong(const QString& path, const QString& mustHold)
    {
        fail(QStringLiteral("la clave «%1» debe ser %2").arg(path, mustHold));
    }

    static QString join(const QString& path, const char* key)
    {
        return path.isEmpty() ? QString::fromLatin1(key) : path + u'.' + QString::fromLatin1(key);
    }
    static QString index(const QString& path, qsizetype i) { return path + u'[' + QString::number(i) + u']'; }

    // Refuses a key the format does not have: a misspelt key would
    // otherwise leave its value out unseen.
    void onlyKeys(const QJsonObject& o, const QString& path, std::initializer_list<const char*> keys)
    {
        std::set<QString> known;
        for (const char* k : keys)
            known.insert(QString::fromLatin1(k));
        for (auto it = o.begin(); it != o.end(); ++it)
            if (!known.count(it.key())) {
                const QString where = path.isEmpty() ? it.key() : path + u'.' + it.key();
                fail(QStringLiteral("la clave «%1» no es parte del formato de escalas").arg(where));
                return;
            }
    }

    // The value of a key, or Undefined after naming the missing key.
    QJsonValue at(const QJsonObject& o, const QString& path, const char* key, const QString& mustHold)
    {
        const QJsonValue v = o.value(QLatin1StringView(key));
        if (v.isUndefined() && !failed())
            fail(QStringLiteral("falta la clave «%1», que debe ser %2").arg(join(path, key), mustHold));
        return v;
    }

    // ---- Values, each with what it must hold.
    QJsonObject object(const QJsonValue& v, const QString& path)
    {
        if (!v.isUndefined() && !v.isObject())
            wrong(path, QStringLiteral("un objeto { … }"));
        return v.toObject();
    }
    QJsonObject object(const QJsonObject& o, const QString& path, const char* key)
    {
        return object(at(o, path, key, QStringLiteral("un objeto { … }")), join(path, key));
    }

    double rate(const QJsonValue& v, const QString& path, double max)
    {
        const QString must = QStringLiteral("un número entre 0 y %1").arg(number(max));
        if (v.isUndefined())
            return 0;
        if (!v.isDouble() || !(v.toDouble() >= 0 && v.toDouble() <= max)) {
            wrong(path, must);
            return 0;
        }
        return v.toDouble();
    }
    double rate(const QJsonObject& o, const QString& path, const char* key, double max)
    {
        return rate(at(o, path, key, QStringLiteral("un número entre 0 y %1").arg(number(max))), join(path, key),
                    max);
    }

    Currency amount(const QJsonValue& v, const QString& path)
    {
        if (v.isUndefined())
            return {};
        const double d = v.toDouble(-1);
        // Four decimals at most: the amount must read back as itself.
        if (!v.isDouble() || !(d >= 0 && d <= kMaxScaleAmount) || Currency::fromDouble(d).toDouble() != d) {
            wrong(path, amountMustHold());
            return {};
        }
        return Currency::fromDouble(d);
    }
    Currency amount(const QJsonObject& o, const QString& path, const char* key)
    {
        return amount(at(o, path, key, amountMustHold()), join(path, key));
    }
    static QString amountMustHold()
    {
        return QStringLiteral("un importe entre 0 y %1 con hasta cuatro decimales").arg(number(kMaxScaleAmount));
    }

    int whole(const QJsonValue& v, const QString& path, int lo, int hi)
    {
        if (v.isUndefined())
            return lo;
        const double d = v.toDouble(-1e300);
        if (!v.isDouble() || !(d >= lo && d <= hi) || d != std::floor(d)) {
            wrong(path, wholeMustHold(lo, hi));
            return lo;
        }
        return static_cast<int>(d);
    }
    int whole(const QJsonObject& o, const QString& path, const char* key, int lo, int hi)
    {
        return whole(at(o, path, key, wholeMustHold(lo, hi)), join(path, key), lo, hi);
    }
    static QString wholeMustHold(int lo, int hi)
    {
        return QStringLiteral("un número entero entre %1 y %2").arg(lo).arg(hi);
    }

    std::string text(const QJsonObject& o, const QString& path, const char* key)
    {
        const QString must = QStringLiteral("un texto no vacío");
        const QJsonValue v = at(o, path, key, must);
        if (v.isUndefined())
            return {};
        if (!v.isString() || v.toString().isEmpty()) {
            wrong(join(path, key), must);
            return {};
        }
        return v.toString().toStdString();
    }

    // A list of exactly n values.
    QJsonArray list(const QJsonValue& v, const QString& path, qsizetype n, const QString& ofWhat)
    {
        const QString must = QStringLiteral("una lista de %1 %2").arg(n).arg(ofWhat);
        if (v.isUndefined())
            return {};
        if (!v.isArray() || v.toArray().size() != n) {
            wrong(path, must);
            return {};
        }
        return v.toArray();
    }
    QJsonArray list(const QJsonObject& o, const QString& path, const char* key, qsizetype n, const QString& ofWhat)
    {
        return list(at(o, path, key, QStringLiteral("una lista de %1 %2").arg(n).arg(ofWhat)), join(path, key), n,
                    ofWhat);
    }

private:
    QString file_;
    QString error_;
};

// ---- The parts of a scale.

// An amount per hour with its cap and the hours from which the quantity
// column shows a fixed number (lines 084 and 113 of the hours).
void readHourCap(Reader& r, const QJsonObject& hours, const QString& path, const char* key, double& perHour,
                 Currency& cap, int& hoursShown)
{
    const QString p = Reader::join(path, key);
    const QJsonObject o = r.object(hours, path, key);
    r.onlyKeys(o, p, {"por_hora", "tope", "horas_mostradas"});
    perHour = r.rate(o, p, "por_hora", kMaxHourValue);
    cap = r.amount(o, p, "tope");
    hoursShown = r.whole(o, p, "horas_mostradas", 0, kMaxScaleHours);
}

void readHours(Reader& r, const QJsonObject& root, const char* key, HoursRates& h)
{
    const QString path = QString::fromLatin1(key);
    const QJsonObject o = r.object(root, {}, key);
    r.onlyKeys(o, path, {"puntos_por_hora", "adicional_006", "incentivo_084", "negro_113"});
    h.puntosPorHora = r.rate(o, path, "puntos_por_hora", kMaxPointsPerHour);

    const QString p006 = Reader::join(path, "adicional_006");
    const QJsonObject a = r.object(o, path, "adicional_006");
    r.onlyKeys(a, p006, {"por_hora", "horas_tope", "tope"});
    h.valorHora006 = r.rate(a, p006, "por_hora", kMaxHourValue);
    h.horasTope006 = r.whole(a, p006, "horas_tope", 0, kMaxScaleHours);
    h.tope006 = r.amount(a, p006, "tope");

    readHourCap(r, o, path, "incentivo_084", h.valorHora084, h.tope084, h.horasMostradas084);
    readHourCap(r, o, path, "negro_113", h.valorHora113, h.tope113, h.horasMostradas113);
}

template <std::size_t N>
void readPercentages(Reader& r, const QJsonObject& root, const char* key, std::array<std::uint8_t, N>& out)
{
    const QString path = QString::fromLatin1(key);
    const QJsonArray a = r.list(root, {}, key, N, QStringLiteral("porcentajes enteros entre 0 y 255"));
    for (qsizetype i = 0; i < a.size(); ++i)
        out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(r.whole(a[i], Reader::index(path, i), 0, 255));
}

// Band tops: whole basic points, each above the one before.
template <std::size_t N>
void readBandTops(Reader& r, const QJsonObject& o, const QString& path, std::array<int, N>& out)
{
    const QString p = Reader::join(path, "topes_bandas");
    const QJsonArray a = r.list(o, path, "topes_bandas", N, QStringLiteral("puntos enteros, de menor a mayor"));
    for (qsizetype i = 0; i < a.size(); ++i) {
        const int lower = i == 0 ? 0 : out[static_cast<std::size_t>(i - 1)] + 1;
        out[static_cast<std::size_t>(i)] = r.whole(a[i], Reader::index(p, i), lower, kMaxScalePoints);
    }
}

template <std::size_t Bands>
void readTable(Reader& r, const QJsonObject& parent, const QString& parentPath, const char* key,
               std::array<int, Bands - 1>& tops, std::array<std::array<Currency, Bands>, kSeniorityRows>& amounts)
{
    const QString path = Reader::join(parentPath, key);
    const QJsonObject o = r.object(parent, parentPath, key);
    r.onlyKeys(o, path, {"topes_bandas", "montos"});
    readBandTops(r, o, path, tops);
    const QString p = Reader::join(path, "montos");
    const QString row = QStringLiteral("filas (una por opción de antigüedad) de %1 importes").arg(Bands);
    const QJsonArray rows = r.list(o, path, "montos", kSeniorityRows, row);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString rp = Reader::index(p, i);
        const QJsonArray cells = r.list(rows[i], rp, Bands, QStringLiteral("importes"));
        for (qsizetype j = 0; j < cells.size(); ++j)
            amounts[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] =
                r.amount(cells[j], Reader::index(rp, j));
    }
}

void readDeduction(Reader& r, const QJsonObject& parent, const char* key, DeductionRate& d)
{
    const QString path = Reader::join(QStringLiteral("descuentos"), key);
    const QJsonObject o = r.object(parent, QStringLiteral("descuentos"), key);
    r.onlyKeys(o, path, {"tasa", "cantidad"});
    d.tasa = r.rate(o, path, "tasa", kMaxShare);
    d.cantidad = r.text(o, path, "cantidad");
}

// A number written with a point, as a text: shown with the user's separator.
std::string pointNumber(Reader& r, const QJsonObject& o, const QString& path, const char* key)
{
    const QString must = QStringLiteral("un número escrito con punto decimal, entre comillas (por ejemplo \"0.7\")");
    const QJsonValue v = r.at(o, path, key, must);
    if (v.isUndefined())
        return {};
    const std::string text = v.toString().toStdString();
    const auto parsed = parseNumberText(text, ".");
    // Digits and at most one point, nothing else: no sign, no blanks.
    const bool plain = parsed && !parsed->negative && text.find_first_not_of("0123456789.") == std::string::npos &&
                       text.front() != '.' && text.back() != '.';
    if (!v.isString() || !plain) {
        r.wrong(Reader::join(path, key), must);
        return {};
    }
    return text;
}

// Position texts hold whole points, digits only, so that they read the same
// under every locale.
std::string pointsText(Reader& r, const QJsonObject& o, const QString& path, const char* key)
{
    const QString must = QStringLiteral("un número entero entre 0 y %1, entre comillas").arg(kMaxScalePoints);
    const QJsonValue v = r.at(o, path, key, must);
    if (v.isUndefined())
        return {};
    const QString s = v.toString();
    bool digits = v.isString() && !s.isEmpty() && s.size() <= 5;
    for (QChar c : s)
        digits = digits && c >= u'0' && c <= u'9';
    if (!digits || s.toInt() > kMaxScalePoints) {
        r.wrong(Reader::join(path, key), must);
        return {};
    }
    return s.toStdString();
}

void readPositions(Reader& r, const QJsonObject& root, PayScale& s)
{
    const QString path = QStringLiteral("cargos");
    const QString must = QStringLiteral("una lista de cargos (entre 1 y %1)").arg(kMaxPositions);
    const QJsonValue v = r.at(root, {}, "cargos", must);
    if (v.isUndefined())
        return;
    if (!v.isArray() || v.toArray().isEmpty() || v.toArray().size() > kMaxPositions) {
        r.wrong(path, must);
        return;
    }
    const QJsonArray a = v.toArray();
    std::vector<PositionRecord> rows;
    rows.reserve(static_cast<std::size_t>(a.size()));
    std::set<int> codes;
    for (qsizetype i = 0; i < a.size() && !r.failed(); ++i) {
        const QString p = Reader::index(path, i);
        const QJsonObject o = r.object(a[i], p);
        r.onlyKeys(o, p, {"codigocargo", "cargox", "puntosbasicos", "proljornada", "jorcompleta", "tareadif",
                          "compbasico"});
        PositionRecord row;
        const QString codeMust = QStringLiteral("un código de tres cifras entre \"600\" y \"999\"");
        const QJsonValue code = r.at(o, p, "codigocargo", codeMust);
        if (!code.isUndefined()) {
            row.codigocargo = code.toString().toStdString();
            const auto n = positionCodeNumber(row.codigocargo);
            if (!code.isString() || !n)
                r.wrong(Reader::join(p, "codigocargo"), codeMust);
            else if (!codes.insert(*n).second)
                r.fail(QStringLiteral("la clave «%1» repite el código \"%2\"; cada código debe aparecer una sola vez")
                           .arg(Reader::join(p, "codigocargo"), code.toString()));
        }
        row.cargox = r.text(o, p, "cargox");
        row.puntosbasicos = pointsText(r, o, p, "puntosbasicos");
        row.proljornada = pointsText(r, o, p, "proljornada");
        row.jorcompleta = pointsText(r, o, p, "jorcompleta");
        row.tareadif = pointsText(r, o, p, "tareadif");
        row.compbasico = pointsText(r, o, p, "compbasico");
        rows.push_back(std::move(row));
    }
    s.cargos = PositionTable(std::move(rows));
}

void readVigencia(Reader& r, const QJsonObject& root, PayScale& s)
{
    const QString must = QStringLiteral("un mes con la forma \"AAAA-MM\" (por ejemplo \"2010-07\")");
    const QJsonValue v = r.at(root, {}, "vigencia", must);
    if (v.isUndefined())
        return;
    const QString t = v.toString();
    bool ok = v.isString() && t.size() == 7 && t[4] == u'-';
    for (int i : {0, 1, 2, 3, 5, 6})
        ok = ok && t.size() == 7 && t[i] >= u'0' && t[i] <= u'9';
    const int year = ok ? t.left(4).toInt() : 0;
    const int month = ok ? t.mid(5, 2).toInt() : 0;
    if (!ok || year < 1900 || month < 1 || month > 12) {
        r.wrong(QStringLiteral("vigencia"), must);
        return;
    }
    s.vigenciaAnio = year;
    s.vigenciaMes = month;
}

void readRoot(Reader& r, const QJsonObject& root, PayScale& s)
{
    r.onlyKeys(root, {},
               {"formato", "nombre", "titulo_recibo", "vigencia", "valor_punto", "valor_punto_jornada",
                "horas_medio", "horas_superior", "antiguedad", "zona", "adicional_006_cargo", "product_014",
                "nacion_cargo", "plus_188", "reajuste_440", "minimo_172", "transporte_029", "hijo_1001",
                "hijo_diferenciado_1002", "familia_numerosa_1003", "conyuge_1010", "descuentos", "cargos"});
    r.whole(root, {}, "formato", kScaleFormat, kScaleFormat);
    s.nombre = r.text(root, {}, "nombre");
    s.tituloRecibo = r.text(root, {}, "titulo_recibo");
    readVigencia(r, root, s);

    s.valorPunto = r.rate(root, {}, "valor_punto", kMaxPointValue);
    s.valorPuntoJornada = r.rate(root, {}, "valor_punto_jornada", kMaxPointValue);
    readHours(r, root, "horas_medio", s.horasMedio);
    readHours(r, root, "horas_superior", s.horasSuperior);
    readPercentages(r, root, "antiguedad", s.antiguedad);
    readPercentages(r, root, "zona", s.zona);

    {
        const QString path = QStringLiteral("adicional_006_cargo");
        const QJsonObject o = r.object(root, {}, "adicional_006_cargo");
        r.onlyKeys(o, path, {"jornada_completa_desde", "tabla_a", "tabla_b"});
        s.jornadaCompleta006 = r.whole(o, path, "jornada_completa_desde", 0, kMaxScalePoints);
        readTable<kBandsA>(r, o, path, "tabla_a", s.topesBandaA, s.tablaA);
        readTable<kBandsB>(r, o, path, "tabla_b", s.topesBandaB, s.tablaB);
    }
    {
        const QString path = QStringLiteral("product_014");
        const QJsonObject o = r.object(root, {}, "product_014");
        r.onlyKeys(o, path, {"parte", "cantidad"});
        s.parteProduct = r.rate(o, path, "parte", kMaxShare);
        s.cantidadProduct = pointNumber(r, o, path, "cantidad");
    }
    {
        const QString path = QStringLiteral("nacion_cargo");
        const QJsonObject o = r.object(root, {}, "nacion_cargo");
        r.onlyKeys(o, path,
                   {"jornada_completa_desde", "incentivo_084", "incentivo_084_jornada", "negro_113",
                    "negro_113_jornada"});
        s.jornadaCompletaNacion = r.whole(o, path, "jornada_completa_desde", 0, kMaxScalePoints);
        s.incentivoCargo = r.amount(o, path, "incentivo_084");
        s.incentivoCargoJornada = r.amount(o, path, "incentivo_084_jornada");
        s.negroCargo = r.amount(o, path, "negro_113");
        s.negroCargoJornada = r.amount(o, path, "negro_113_jornada");
    }
    {
        const QString path = QStringLiteral("plus_188");
        const QJsonObject o = r.object(root, {}, "plus_188");
        r.onlyKeys(o, path, {"parte", "cantidad"});
        s.partePlus = r.rate(o, path, "parte", kMaxShare);
        s.cantidadPlus = r.text(o, path, "cantidad");
    }
    {
        const QString path = QStringLiteral("reajuste_440");
        const QJsonArray a = r.list(root, {}, "reajuste_440", 3,
                                    QStringLiteral("partes entre 0 y 1 (1, 2 y 3 días de inasistencia)"));
        for (qsizetype i = 0; i < a.size(); ++i)
            s.partesReajuste[static_cast<std::size_t>(i)] = r.rate(a[i], Reader::index(path, i), kMaxShare);
    }
    {
        const QString path = QStringLiteral("minimo_172");
        const QJsonObject o = r.object(root, {}, "minimo_172");
        r.onlyKeys(o, path, {"minimo", "puntos_mayor_que", "puntos_menor_que", "tasa_aportes", "factor_zona"});
        s.minimo = r.amount(o, path, "minimo");
        s.puntosMinimoDesde = r.whole(o, path, "puntos_mayor_que", 0, kMaxScalePoints);
        s.puntosMinimoHasta = r.whole(o, path, "puntos_menor_que", 0, kMaxScalePoints);
        s.tasaAportesMinimo = r.rate(o, path, "tasa_aportes", kMaxShare);
        s.factorZonaMinimo = r.rate(o, path, "factor_zona", kMaxFactor);
    }
    {
        const QString path = QStringLiteral("transporte_029");
        const QJsonObject o = r.object(root, {}, "transporte_029");
        r.onlyKeys(o, path, {"tasa_prueba", "tope_prueba", "tasa", "tope"});
        s.tasaPruebaKm = r.rate(o, path, "tasa_prueba", kMaxKmRate);
        s.topePruebaKm = r.rate(o, path, "tope_prueba", kMaxScaleAmount);
        s.tasaKm = r.rate(o, path, "tasa", kMaxKmRate);
        s.topeKm = r.amount(o, path, "tope");
    }
    {
        const QString path = QStringLiteral("hijo_1001");
        const QJsonObject o = r.object(root, {}, "hijo_1001");
        r.onlyKeys(o, path, {"topes", "montos"});
        const QString pt = Reader::join(path, "topes");
        const QJsonArray tops = r.list(o, path, "topes", 2, QStringLiteral("importes, de menor a mayor"));
        for (qsizetype i = 0; i < tops.size(); ++i)
            s.topesHijo[static_cast<std::size_t>(i)] = r.amount(tops[i], Reader::index(pt, i));
        if (!r.failed() && tops.size() == 2 && s.topesHijo[1] < s.topesHijo[0])
            r.wrong(Reader::index(pt, 1), QStringLiteral("un importe no menor que el de «%1»").arg(Reader::index(pt, 0)));
        const QString pm = Reader::join(path, "montos");
        const QJsonArray rates = r.list(o, path, "montos", 3,
                                        QStringLiteral("importes enteros por hijo entre 0 y %1").arg(kMaxChildRate));
        for (qsizetype i = 0; i < rates.size(); ++i)
            s.montosHijo[static_cast<std::size_t>(i)] = r.whole(rates[i], Reader::index(pm, i), 0, kMaxChildRate);
    }
    s.montoHijoDiferenciado = r.whole(root, {}, "hijo_diferenciado_1002", 0, kMaxChildRate);
    {
        const QString path = QStringLiteral("familia_numerosa_1003");
        const QJsonObject o = r.object(root, {}, "familia_numerosa_1003");
        r.onlyKeys(o, path, {"desde_hijos", "monto"});
        s.hijosFamiliaNumerosa = r.whole(o, path, "desde_hijos", 1, 255);
        s.familiaNumerosa = r.amount(o, path, "monto");
    }
    s.conyuge = r.amount(root, {}, "conyuge_1010");
    {
        const QString path = QStringLiteral("descuentos");
        const QJsonObject o = r.object(root, {}, "descuentos");
        r.onlyKeys(o, path,
                   {"iosper_505", "osplad_508", "aporte_jub_502", "ley4035_504", "zutel_332", "caja_comp_512",
                    "seguro_510"});
        readDeduction(r, o, "iosper_505", s.iosper);
        readDeduction(r, o, "osplad_508", s.osplad);
        readDeduction(r, o, "aporte_jub_502", s.jubilacion);
        readDeduction(r, o, "ley4035_504", s.ley4035);
        readDeduction(r, o, "zutel_332", s.zutel);
        readDeduction(r, o, "caja_comp_512", s.cajaComp);
        readDeduction(r, o, "seguro_510", s.seguro);
    }
    if (!r.failed())
        readPositions(r, root, s);
}

} // namespace

ScaleFileResult readScale(const QByteArray& json, const QString& fileName)
{
    ScaleFileResult result;
    Reader r(fileName);
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError) {
        r.fail(QStringLiteral("no es JSON: %1 (byte %2)").arg(parseProblem(parse.error)).arg(parse.offset));
    } else if (!doc.isObject()) {
        r.fail(QStringLiteral("debe ser un objeto JSON { … }"));
    } else {
        PayScale s;
        readRoot(r, doc.object(), s);
        if (!r.failed())
            result.scale = std::move(s);
    }
    result.error = r.error();
    return result;
}

ScaleFileResult readScaleFile(const QString& path)
{
    QFile f(path);
    const QString name = QFileInfo(path).filePath();
    if (!f.open(QIODevice::ReadOnly))
        return {std::nullopt, QStringLiteral("No se puede leer la escala «%1»: el archivo no existe o no se puede abrir.").arg(name)};
    if (f.size() > kMaxScaleFileBytes)
        return {std::nullopt, QStringLiteral("La escala «%1» no es válida: el archivo es demasiado grande.").arg(name)};
    return readScale(f.readAll(), name);
}

} // namespace haberes

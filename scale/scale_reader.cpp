// Reading a scale file: every key of the table checked, the first fault
// named, nothing kept from a file with a fault.
#include "scale/scale_format.h"

#include "engine/numbers.h"
#include "scale/scale_limits.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace haberes {

namespace {

using Json = nlohmann::json;

// ---- The text as JSON, with what went wrong and where.

struct ParseFault {
    std::string problem;
    std::size_t byte = 0;
};

// Builds the document as nlohmann's own parser does (of a key given twice
// the last value counts), and keeps what a syntax error means, in the
// user's words, instead of throwing.
class DocumentBuilder : public nlohmann::json_sax<Json> {
public:
    explicit DocumentBuilder(Json& root) : dom_(root, false) {}

    std::optional<ParseFault> fault;

    bool null() override { return dom_.null(); }
    bool boolean(bool v) override { return dom_.boolean(v); }
    bool number_integer(number_integer_t v) override { return dom_.number_integer(v); }
    bool number_unsigned(number_unsigned_t v) override { return dom_.number_unsigned(v); }
    bool number_float(number_float_t v, const string_t& s) override { return dom_.number_float(v, s); }
    bool string(string_t& v) override { return dom_.string(v); }
    bool binary(binary_t& v) override { return dom_.binary(v); }
    bool start_object(std::size_t n) override
    {
        open_.push_back('{');
        return dom_.start_object(n);
    }
    bool key(string_t& v) override { return dom_.key(v); }
    bool end_object() override
    {
        open_.pop_back();
        return dom_.end_object();
    }
    bool start_array(std::size_t n) override
    {
        open_.push_back('[');
        return dom_.start_array(n);
    }
    bool end_array() override
    {
        open_.pop_back();
        return dom_.end_array();
    }
    bool parse_error(std::size_t position, const std::string& last, const nlohmann::detail::exception& e) override
    {
        // nlohmann counts the byte it stopped at, the end of the text as
        // one more; the message names the offset of the fault itself.
        const std::string_view what = e.what();
        const bool atByte = what.find("end of input") != std::string_view::npos ||
                            what.find("UTF-8") != std::string_view::npos;
        const bool inNumber = what.find("unexpected end of input") != std::string_view::npos && !last.empty() &&
                              last.back() >= '0' && last.back() <= '9';
        fault = ParseFault{inNumber ? "el texto termina en medio de un número" : problem(what),
                           atByte && position > 0 ? position - 1 : position};
        return false;
    }

private:
    std::string problem(std::string_view what) const
    {
        auto has = [&](std::string_view s) { return what.find(s) != std::string_view::npos; };
        if (has("UTF-8"))
            return "texto que no es UTF-8 válido";
        if (has("missing closing quote"))
            return "un texto sin cerrar";
        if (has("invalid string"))
            return has("control character") ? "no es JSON válido" : "una secuencia de escape no válida";
        if (has("invalid number") || has("number overflow"))
            return "un número mal escrito";
        if (has("; expected end of input"))
            return "hay texto después del objeto";
        if (has("unexpected end of input")) {
            if (open_.empty())
                return "un valor que no es JSON";
            return open_.back() == '{' ? "un objeto sin cerrar" : "una lista sin cerrar";
        }
        if (has("expected ':'"))
            return "falta «:» después de una clave";
        if (has("unexpected '}'") || has("unexpected ']'"))
            return "no empieza con un objeto";
        if (has("while parsing array"))
            return "falta una coma entre dos valores";
        if (has("while parsing object"))
            return "un objeto sin cerrar";
        if (has("invalid literal"))
            return "un valor que no es JSON";
        return "no es JSON válido";
    }

    nlohmann::detail::json_sax_dom_parser<Json> dom_;
    std::string open_; // the objects and lists not yet closed
};

// ---- Values checked against the table.

std::string wholeNumber(double v) { return std::to_string(static_cast<long long>(v)); }

class Reader {
public:
    explicit Reader(std::string_view file) : file_(file) {}

    bool failed() const { return !error_.empty(); }
    const std::string& error() const { return error_; }

    void fail(const std::string& message)
    {
        if (error_.empty())
            error_ = "La escala «" + file_ + "» no es válida: " + message + ".";
    }
    void wrong(const std::string& path, const std::string& mustHold)
    {
        fail("la clave «" + path + "» debe ser " + mustHold);
    }

    static std::string join(const std::string& path, std::string_view key)
    {
        return path.empty() ? std::string(key) : path + "." + std::string(key);
    }
    static std::string index(const std::string& path, std::size_t i) { return path + "[" + std::to_string(i) + "]"; }

    // Refuses a key the format does not have: a misspelt key would
    // otherwise leave its value out unseen. Keys are taken in order.
    void onlyKeys(const Json& o, const std::string& path, const std::set<std::string, std::less<>>& known)
    {
        for (auto it = o.begin(); it != o.end(); ++it)
            if (!known.count(it.key())) {
                fail("la clave «" + join(path, it.key()) + "» no es parte del formato de escalas");
                return;
            }
    }

    // The value of a key, or none after naming the missing key.
    const Json* at(const Json& o, const std::string& path, std::string_view key, const std::string& mustHold)
    {
        const auto it = o.find(key);
        if (it == o.end()) {
            fail("falta la clave «" + join(path, key) + "», que debe ser " + mustHold);
            return nullptr;
        }
        return &*it;
    }

    const Json* object(const Json* v, const std::string& path)
    {
        if (v && !v->is_object()) {
            wrong(path, "un objeto { … }");
            return nullptr;
        }
        return v;
    }

    static std::string rateMustHold(double max) { return "un número entre 0 y " + wholeNumber(max); }
    double rate(const Json& v, const std::string& path, double max)
    {
        const double d = v.is_number() ? v.get<double>() : -1;
        if (!(d >= 0 && d <= max)) {
            wrong(path, rateMustHold(max));
            return 0;
        }
        return d;
    }

    static std::string amountMustHold(const std::string& least)
    {
        return "un importe entre " + least + " y " + wholeNumber(kMaxScaleAmount) + " con hasta cuatro decimales";
    }
    Currency amount(const Json& v, const std::string& path, Currency least = {})
    {
        const double d = v.is_number() ? v.get<double>() : -1;
        // Four decimals at most: the amount must read back as itself.
        if (!(d >= least.toDouble() && d <= kMaxScaleAmount) || Currency::fromDouble(d).toDouble() != d ||
            Currency::fromDouble(d) < least) {
            wrong(path, amountMustHold(formatAmount(least, ".")));
            return {};
        }
        return Currency::fromDouble(d);
    }

    static std::string wholeMustHold(double lo, double hi)
    {
        return "un número entero entre " + wholeNumber(lo) + " y " + wholeNumber(hi);
    }
    int whole(const Json& v, const std::string& path, double lo, double hi)
    {
        const double d = v.is_number() ? v.get<double>() : -1e300;
        if (!(d >= lo && d <= hi) || d != std::floor(d)) {
            wrong(path, wholeMustHold(lo, hi));
            return static_cast<int>(lo);
        }
        return static_cast<int>(d);
    }

    // A list of exactly n values.
    const Json* list(const Json& v, const std::string& path, std::size_t n, const std::string& ofWhat)
    {
        if (!v.is_array() || v.size() != n) {
            wrong(path, listMustHold(n, ofWhat));
            return nullptr;
        }
        return &v;
    }
    static std::string listMustHold(std::size_t n, const std::string& ofWhat)
    {
        return "una lista de " + std::to_string(n) + " " + ofWhat;
    }

private:
    std::string file_;
    std::string error_;
};

// ---- Each kind of key.

const std::string kTextMust = "un texto no vacío";
const std::string kPointNumberMust = "un número escrito con punto decimal, entre comillas (por ejemplo \"0.7\")";
const std::string kMonthMust = "un mes con la forma \"AAAA-MM\" (por ejemplo \"2010-07\")";
const std::string kCodeMust = "un código de tres cifras entre \"600\" y \"999\"";

std::string tableRows(std::size_t bands)
{
    return "filas (una por opción de antigüedad) de " + std::to_string(bands) + " importes";
}

// What a key must hold, as the message of a missing key says it.
std::string mustHold(const ScaleField& f)
{
    switch (f.kind) {
    case ScaleKind::version:
    case ScaleKind::whole: return Reader::wholeMustHold(f.lo, f.hi);
    case ScaleKind::text: return kTextMust;
    case ScaleKind::pointNumber: return kPointNumberMust;
    case ScaleKind::month: return kMonthMust;
    case ScaleKind::rate: return Reader::rateMustHold(f.hi);
    case ScaleKind::amount: return Reader::amountMustHold("0");
    case ScaleKind::wholeList:
    case ScaleKind::rateList:
    case ScaleKind::amountList: return Reader::listMustHold(f.count, f.items);
    case ScaleKind::amountTable: return Reader::listMustHold(kSeniorityRows, tableRows(f.count));
    case ScaleKind::positions: return "una lista de cargos (entre 1 y " + wholeNumber(f.hi) + ")";
    }
    return {};
}

std::string text(Reader& r, const Json& v, const std::string& path)
{
    if (!v.is_string() || v.get_ref<const std::string&>().empty()) {
        r.wrong(path, kTextMust);
        return {};
    }
    return v.get<std::string>();
}

// A number written with a point, as a text: shown with the user's separator.
std::string pointNumber(Reader& r, const Json& v, const std::string& path)
{
    const std::string t = v.is_string() ? v.get<std::string>() : std::string();
    const auto parsed = parseNumberText(t, ".");
    // Digits and at most one point, nothing else: no sign, no blanks.
    const bool plain = parsed && !parsed->negative && t.find_first_not_of("0123456789.") == std::string::npos &&
                       t.front() != '.' && t.back() != '.';
    if (!plain) {
        r.wrong(path, kPointNumberMust);
        return {};
    }
    return t;
}

void month(Reader& r, const Json& v, const std::string& path, std::pair<int*, int*> out)
{
    const std::string t = v.is_string() ? v.get<std::string>() : std::string();
    bool ok = t.size() == 7 && t[4] == '-';
    for (int i : {0, 1, 2, 3, 5, 6})
        ok = ok && t[static_cast<std::size_t>(i)] >= '0' && t[static_cast<std::size_t>(i)] <= '9';
    const int year = ok ? std::stoi(t.substr(0, 4)) : 0;
    const int m = ok ? std::stoi(t.substr(5, 2)) : 0;
    if (!ok || year < 1900 || m < 1 || m > 12) {
        r.wrong(path, kMonthMust);
        return;
    }
    *out.first = year;
    *out.second = m;
}

// Position texts hold whole points, digits only, so that they read the same
// under every locale.
std::string pointsText(Reader& r, const Json& v, const std::string& path)
{
    const std::string s = v.is_string() ? v.get<std::string>() : std::string();
    bool digits = !s.empty() && s.size() <= 5;
    for (char c : s)
        digits = digits && c >= '0' && c <= '9';
    if (!digits || std::stoi(s) > kMaxScalePoints) {
        r.wrong(path, "un número entero entre 0 y " + std::to_string(kMaxScalePoints) + ", entre comillas");
        return {};
    }
    return s;
}

void positions(Reader& r, const Json& a, const std::string& path, const ScaleField& f, PositionTable& out)
{
    if (!a.is_array() || a.empty() || a.size() > static_cast<std::size_t>(f.hi)) {
        r.wrong(path, mustHold(f));
        return;
    }
    std::set<std::string, std::less<>> keys;
    for (const PositionField& p : positionFields())
        keys.emplace(p.key);
    std::vector<PositionRecord> rows;
    rows.reserve(a.size());
    std::set<int> codes;
    for (std::size_t i = 0; i < a.size() && !r.failed(); ++i) {
        const std::string p = Reader::index(path, i);
        const Json* o = r.object(&a[i], p);
        if (!o)
            break;
        r.onlyKeys(*o, p, keys);
        PositionRecord row;
        for (const PositionField& pf : positionFields()) {
            const bool code = pf.member == &PositionRecord::codigocargo;
            const bool name = pf.member == &PositionRecord::cargox;
            const std::string must =
                code ? kCodeMust : name ? kTextMust : "un número entero entre 0 y " + std::to_string(kMaxScalePoints) + ", entre comillas";
            const Json* v = r.at(*o, p, pf.key, must);
            if (!v || r.failed())
                break;
            const std::string kp = Reader::join(p, pf.key);
            if (code) {
                const auto n = v->is_string() ? positionCodeNumber(v->get_ref<const std::string&>()) : std::nullopt;
                if (!n)
                    r.wrong(kp, kCodeMust);
                else if (!codes.insert(*n).second)
                    r.fail("la clave «" + kp + "» repite el código \"" + v->get<std::string>() +
                           "\"; cada código debe aparecer una sola vez");
                else
                    row.*pf.member = v->get<std::string>();
            } else {
                row.*pf.member = name ? text(r, *v, kp) : pointsText(r, *v, kp);
            }
        }
        rows.push_back(std::move(row));
    }
    out = PositionTable(std::move(rows));
}

void readField(Reader& r, const Json& v, const std::string& path, const ScaleField& f, PayScale& s)
{
    const ScaleValue at = f.at(s);
    switch (f.kind) {
    case ScaleKind::version: r.whole(v, path, f.lo, f.hi); return;
    case ScaleKind::text: *std::get<std::string*>(at) = text(r, v, path); return;
    case ScaleKind::pointNumber: *std::get<std::string*>(at) = pointNumber(r, v, path); return;
    case ScaleKind::month: month(r, v, path, std::get<std::pair<int*, int*>>(at)); return;
    case ScaleKind::whole: *std::get<int*>(at) = r.whole(v, path, f.lo, f.hi); return;
    case ScaleKind::rate: *std::get<double*>(at) = r.rate(v, path, f.hi); return;
    case ScaleKind::amount: *std::get<Currency*>(at) = r.amount(v, path); return;
    case ScaleKind::positions: positions(r, v, path, f, *std::get<PositionTable*>(at)); return;
    default: break;
    }
    const Json* a = r.list(v, path, f.kind == ScaleKind::amountTable ? kSeniorityRows : f.count,
                           f.kind == ScaleKind::amountTable ? tableRows(f.count) : f.items);
    if (!a)
        return;
    for (std::size_t i = 0; i < a->size() && !r.failed(); ++i) {
        const std::string p = Reader::index(path, i);
        const Json& item = (*a)[i];
        if (auto* ints = std::get_if<std::span<int>>(&at)) {
            // Rising: each above the one before.
            const double lo = f.rising && i > 0 ? (*ints)[i - 1] + 1 : f.lo;
            (*ints)[i] = r.whole(item, p, lo, f.hi);
        } else if (auto* bytes = std::get_if<std::span<std::uint8_t>>(&at)) {
            (*bytes)[i] = static_cast<std::uint8_t>(r.whole(item, p, f.lo, f.hi));
        } else if (auto* reals = std::get_if<std::span<double>>(&at)) {
            (*reals)[i] = r.rate(item, p, f.hi);
        } else if (auto* amounts = std::get_if<std::span<Currency>>(&at)) {
            const Currency least = f.rising && i > 0 ? (*amounts)[i - 1] + Currency::fromTicks(1) : Currency();
            (*amounts)[i] = r.amount(item, p, least);
        } else {
            const auto row = [&](auto& cells) {
                const Json* c = r.list(item, p, cells.size(), "importes");
                for (std::size_t j = 0; c && j < c->size() && !r.failed(); ++j)
                    cells[j] = r.amount((*c)[j], Reader::index(p, j));
            };
            if (auto* a6 = std::get_if<std::span<std::array<Currency, kBandsA>>>(&at))
                row((*a6)[i]);
            else if (auto* a2 = std::get_if<std::span<std::array<Currency, kBandsB>>>(&at))
                row((*a2)[i]);
        }
    }
}

// Reads the object at path and, in table order, what it holds.
void readObject(Reader& r, const Json& o, const std::string& path, PayScale& s)
{
    const std::vector<std::string> keys = scaleKeysUnder(path);
    r.onlyKeys(o, path, std::set<std::string, std::less<>>(keys.begin(), keys.end()));
    for (const std::string& key : keys) {
        if (r.failed())
            return;
        const std::string p = Reader::join(path, key);
        const ScaleField* leaf = scaleField(p);
        const std::string must = leaf ? mustHold(*leaf) : "un objeto { … }";
        const Json* v = r.at(o, path, key, must);
        if (!v)
            return;
        if (leaf)
            readField(r, *v, p, *leaf, s);
        else if (r.object(v, p))
            readObject(r, *v, p, s);
    }
}

// Where the text first stops being blank, as JSON counts blanks.
std::size_t firstNonBlank(std::string_view t)
{
    const std::size_t i = t.find_first_not_of(" \t\r\n");
    return i == std::string_view::npos ? t.size() : i;
}

} // namespace

ScaleText readScaleText(std::string_view json, std::string_view fileName)
{
    ScaleText result;
    Reader r(fileName);
    Json doc;
    DocumentBuilder builder(doc);
    const bool parsed = Json::sax_parse(json, &builder, nlohmann::detail::input_format_t::json, true, false);
    const std::size_t nul = json.find('\0');
    if (!parsed) {
        const ParseFault fault = builder.fault.value_or(ParseFault{"no es JSON válido", 0});
        r.fail("no es JSON: " + fault.problem + " (byte " + std::to_string(fault.byte) + ")");
    } else if (nul != std::string_view::npos) {
        // The parser stops at a NUL as at the end of the text.
        r.fail("no es JSON: hay texto después del objeto (byte " + std::to_string(nul) + ")");
    } else if (!doc.is_object() && !doc.is_array()) {
        r.fail("no es JSON: un valor que no es JSON (byte " + std::to_string(firstNonBlank(json) + 1) + ")");
    } else if (!doc.is_object()) {
        r.fail("debe ser un objeto JSON { … }");
    } else {
        PayScale s;
        readObject(r, doc, {}, s);
        if (!r.failed())
            result.scale = std::move(s);
    }
    result.error = r.error();
    return result;
}

} // namespace haberes

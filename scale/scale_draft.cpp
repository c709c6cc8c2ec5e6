// A scale in the making, kept as the document its file would hold: each
// value typed goes into a copy of that document and the file reader judges
// it, so that what is accepted here is exactly what a file may hold.
#include "scale/scale_draft.h"

#include "engine/numbers.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <optional>
#include <type_traits>
#include <variant>

namespace haberes {

namespace {

using Json = nlohmann::json;
constexpr std::size_t npos = std::string::npos;

// Where an item's value is: its key, its place in a list or table, and
// its place in the document.
struct Leaf {
    const ScaleField* field = nullptr;
    std::size_t i = npos;
    std::size_t j = npos;
    Json::json_pointer pointer;
};

std::string monthText(int year, int month)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d", year, month);
    return buf;
}

std::string numberText(double v) { return formatShortestReal(v); }
std::string numberText(Currency v) { return formatAmount(v, "."); }
std::string numberText(int v) { return std::to_string(v); }
std::string numberText(std::uint8_t v) { return std::to_string(v); }

// The value of a leaf in a scale, written as the file writes it.
std::string leafText(const PayScale& scale, const Leaf& leaf)
{
    // The table reaches values through a PayScale&; this only reads them.
    const ScaleValue at = leaf.field->at(const_cast<PayScale&>(scale));
    switch (leaf.field->kind) {
    case ScaleKind::text:
    case ScaleKind::pointNumber: return *std::get<std::string*>(at);
    case ScaleKind::month: {
        const auto [year, month] = std::get<std::pair<int*, int*>>(at);
        return monthText(*year, *month);
    }
    case ScaleKind::whole: return numberText(*std::get<int*>(at));
    case ScaleKind::rate: return numberText(*std::get<double*>(at));
    case ScaleKind::amount: return numberText(*std::get<Currency*>(at));
    default: break;
    }
    return std::visit(
        [&](const auto& v) -> std::string {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, std::span<std::array<Currency, kBandsA>>> ||
                          std::is_same_v<V, std::span<std::array<Currency, kBandsB>>>)
                return numberText(v[leaf.i][leaf.j]);
            else if constexpr (std::is_same_v<V, std::span<int>> || std::is_same_v<V, std::span<std::uint8_t>> ||
                               std::is_same_v<V, std::span<double>> || std::is_same_v<V, std::span<Currency>>)
                return numberText(v[leaf.i]);
            else
                return {};
        },
        at);
}

// The present value of a leaf as a number, for a raise.
double leafNumber(const PayScale& scale, const Leaf& leaf)
{
    const ScaleValue at = leaf.field->at(const_cast<PayScale&>(scale));
    return std::visit(
        [&](const auto& v) -> double {
            using V = std::decay_t<decltype(v)>;
            const auto number = [](const auto& x) -> double {
                if constexpr (std::is_same_v<std::decay_t<decltype(x)>, Currency>)
                    return x.toDouble();
                else
                    return static_cast<double>(x);
            };
            if constexpr (std::is_same_v<V, std::span<std::array<Currency, kBandsA>>> ||
                          std::is_same_v<V, std::span<std::array<Currency, kBandsB>>>)
                return number(v[leaf.i][leaf.j]);
            else if constexpr (std::is_same_v<V, std::span<int>> || std::is_same_v<V, std::span<std::uint8_t>> ||
                               std::is_same_v<V, std::span<double>> || std::is_same_v<V, std::span<Currency>>)
                return number(v[leaf.i]);
            else if constexpr (std::is_same_v<V, int*> || std::is_same_v<V, double*> || std::is_same_v<V, Currency*>)
                return number(*v);
            else
                return 0;
        },
        at);
}

bool isTextKind(ScaleKind kind)
{
    return kind == ScaleKind::text || kind == ScaleKind::pointNumber || kind == ScaleKind::month;
}
bool isWholeKind(ScaleKind kind) { return kind == ScaleKind::whole || kind == ScaleKind::wholeList; }

// A typed number as the JSON number a file would hold; anything else as a
// JSON text, which the reader refuses in its own words for a number key.
Json numberValue(std::string_view text)
{
    const auto parsed = parseNumberText(text, ".");
    if (!parsed)
        return Json(std::string(text));
    std::string plain = parsed->negative ? "-" : "";
    plain += parsed->integerDigits.empty() ? std::string_view("0") : parsed->integerDigits;
    if (!parsed->fractionDigits.empty())
        plain.append(".").append(parsed->fractionDigits);
    Json v = Json::parse(plain, nullptr, false);
    return v.is_discarded() ? Json(std::string(text)) : v;
}

// Decimals of a number text beyond the four every amount has, at most four.
std::size_t extraDecimals(std::string_view text)
{
    // A very small rate is written with an exponent ("1e-08"): all eight.
    if (text.find_first_of("eE") != std::string_view::npos)
        return 4;
    const std::size_t dot = text.find('.');
    const std::size_t decimals = dot == std::string_view::npos ? 0 : text.size() - dot - 1;
    return decimals > 4 ? std::min<std::size_t>(decimals - 4, 4) : 0;
}

// "21.4878" with its point moved places to the left: "0.214878".
std::string pointLeft(std::string_view text, std::size_t places)
{
    const std::size_t dot = std::min(text.find('.'), text.size());
    std::string digits(text.substr(0, dot));
    if (dot < text.size())
        digits.append(text.substr(dot + 1));
    std::size_t whole = dot;
    while (whole <= places) {
        digits.insert(0, 1, '0');
        ++whole;
    }
    return digits.substr(0, whole - places) + "." + digits.substr(whole - places);
}

std::string indexed(const std::string& path, std::size_t i) { return path + "[" + std::to_string(i) + "]"; }

// "cargos[12].puntosbasicos" as its row and key.
std::optional<std::pair<std::size_t, std::string_view>> positionPath(std::string_view path)
{
    constexpr std::string_view head = "cargos[";
    if (!path.starts_with(head))
        return std::nullopt;
    const std::size_t close = path.find("].", head.size());
    if (close == std::string_view::npos || close == head.size() || close - head.size() > 3)
        return std::nullopt;
    std::size_t row = 0;
    for (char c : path.substr(head.size(), close - head.size())) {
        if (c < '0' || c > '9')
            return std::nullopt;
        row = row * 10 + static_cast<std::size_t>(c - '0');
    }
    const std::string_view key = path.substr(close + 2);
    for (const PositionField& p : positionFields())
        if (p.key == key)
            return std::pair{row, p.key};
    return std::nullopt;
}

const PositionField* positionField(std::string_view key)
{
    for (const PositionField& p : positionFields())
        if (p.key == key)
            return &p;
    return nullptr;
}

Json::json_pointer pointerOf(const std::string& fieldPath)
{
    std::string p;
    for (char c : fieldPath)
        p += c == '.' ? '/' : c;
    return Json::json_pointer("/" + p);
}

// The captions of the bands or brackets that tops end: "hasta 971 puntos",
// "de 972 a 1169 puntos", "más de 2220 puntos"; for the child allowance's
// earnings, "Haberes hasta $ 2400" up to "Haberes de más de $ 3600".
std::vector<std::string> topCaptions(const PayScale& scale, const ScaleField& tops, std::string_view separator)
{
    const ScaleValue at = tops.at(const_cast<PayScale&>(scale));
    std::vector<std::string> out;
    if (const auto* points = std::get_if<std::span<int>>(&at)) {
        for (std::size_t i = 0; i <= points->size(); ++i) {
            if (i == points->size())
                out.push_back("más de " + numberText(points->back()) + " puntos");
            else if (i == 0)
                out.push_back("hasta " + numberText((*points)[0]) + " puntos");
            else
                out.push_back("de " + numberText((*points)[i - 1] + 1) + " a " + numberText((*points)[i]) + " puntos");
        }
    } else if (const auto* amounts = std::get_if<std::span<Currency>>(&at)) {
        for (const Currency top : *amounts)
            out.push_back("Haberes hasta $ " + formatAmount(top, separator));
        out.push_back("Haberes de más de $ " + formatAmount(amounts->back(), separator));
    }
    return out;
}

std::string joined(const std::string& a, const std::string& b) { return a.empty() ? b : a + ", " + b; }

std::string lowerFirst(std::string_view s)
{
    std::string out(s);
    if (!out.empty() && out[0] >= 'A' && out[0] <= 'Z')
        out[0] = static_cast<char>(out[0] - 'A' + 'a');
    return out;
}

} // namespace

struct ScaleDraft::Impl {
    PayScale start;
    PayScale current; // the last values the reader accepted
    Json doc;         // current, as its file holds it
    std::vector<ScaleItem> items;
    std::string captionSeparator = ".";
    std::vector<Leaf> leaves; // beside items
    std::map<std::string, std::size_t, std::less<>> index;
    struct Refusal {
        std::string text, message;
    };
    std::map<std::string, Refusal, std::less<>> refused;

    // The leaf at a path, or none (positions have none).
    const Leaf* leaf(std::string_view path) const
    {
        const auto it = index.find(path);
        return it == index.end() ? nullptr : &leaves[it->second];
    }

    ScaleText read(const Json& d) const { return readScaleText(d.dump(), current.nombre); }

    std::string unknown(std::string_view path) const
    {
        return "La escala «" + current.nombre + "» no es válida: la clave «" + std::string(path) +
               "» no es parte del formato de escalas.";
    }

    // Puts the typed text at path in the document and has it read; keeps
    // the values when the reader accepts them. "" or the reader's message.
    std::string apply(std::string_view path, std::string_view text)
    {
        Json value;
        Json::json_pointer pointer;
        if (const Leaf* l = leaf(path)) {
            value = isTextKind(l->field->kind) ? Json(std::string(text)) : numberValue(text);
            pointer = l->pointer;
        } else if (const auto pos = positionPath(path); pos && pos->first < current.cargos.size()) {
            value = Json(std::string(text));
            pointer = Json::json_pointer("/cargos/" + std::to_string(pos->first) + "/" + std::string(pos->second));
        } else {
            return unknown(path);
        }
        // Typed text that is not UTF-8 could not be written in a file.
        if (value.is_string())
            try {
                (void)value.dump();
            } catch (const Json::type_error&) {
                return "La escala «" + current.nombre + "» no es válida: la clave «" + std::string(path) +
                       "» tiene texto que no es UTF-8 válido.";
            }
        Json& at = doc[pointer];
        Json before = std::move(at);
        at = std::move(value);
        ScaleText r = read(doc);
        if (!r.scale) {
            doc[pointer] = std::move(before);
            return r.error;
        }
        current = std::move(*r.scale);
        return {};
    }

    // Values refused before may go in now (a band top above the next one
    // refused until the next one was raised).
    void retryRefused()
    {
        for (bool again = true; again;) {
            again = false;
            for (auto it = refused.begin(); it != refused.end(); ++it)
                if (apply(it->first, it->second.text).empty()) {
                    refused.erase(it);
                    again = true;
                    break;
                }
        }
    }

    // Columns and brackets named after the tops, as they are now.
    void nameByTops()
    {
        for (ScaleItem& item : items) {
            const ScaleField* f = scaleField(item.key);
            if (!f || f->namedByTops.empty())
                continue;
            const std::vector<std::string> names = topCaptions(current, *scaleField(f->namedByTops), captionSeparator);
            if (item.column != npos) {
                item.columnCaption = names.at(item.column);
                item.caption = joined(item.rowCaption, item.columnCaption);
            } else {
                item.rowCaption = names.at(item.row);
                item.caption = item.rowCaption;
            }
        }
    }

    void add(const ScaleField& f, std::size_t i, std::size_t j)
    {
        ScaleItem item;
        item.path = f.path;
        Json::json_pointer pointer = pointerOf(f.path);
        if (i != npos) {
            item.path = indexed(item.path, i);
            pointer /= i;
        }
        if (j != npos) {
            item.path = indexed(item.path, j);
            pointer /= j;
        }
        item.group = f.group;
        item.kind = f.kind;
        item.unit = f.unit;
        item.raise = f.raise;
        item.key = f.path;
        item.keyCaption = f.caption;
        item.row = i;
        item.column = j;
        if (i != npos && i < f.itemCaptions.size())
            item.rowCaption = f.itemCaptions[i];
        item.caption = i == npos ? f.caption : item.rowCaption;
        index.emplace(item.path, items.size());
        items.push_back(std::move(item));
        leaves.push_back(Leaf{&f, i, j, std::move(pointer)});
    }

    void build()
    {
        for (const ScaleField& f : scaleFields()) {
            switch (f.kind) {
            case ScaleKind::version:
            case ScaleKind::positions: continue;
            case ScaleKind::wholeList:
            case ScaleKind::rateList:
            case ScaleKind::amountList:
                for (std::size_t i = 0; i < f.count; ++i)
                    add(f, i, npos);
                continue;
            case ScaleKind::amountTable:
                for (std::size_t i = 0; i < kSeniorityRows; ++i)
                    for (std::size_t j = 0; j < f.count; ++j)
                        add(f, i, j);
                continue;
            default: add(f, npos, npos);
            }
        }
        nameByTops();
    }

    std::string positionText(const PayScale& s, std::size_t row, std::string_view key) const
    {
        const PositionField* p = positionField(key);
        return p && row < s.cargos.size() ? s.cargos[row].*(p->member) : std::string();
    }
};

ScaleDraft::ScaleDraft(const PayScale& start, NumberFormat captionFormat) : impl_(std::make_shared<Impl>())
{
    impl_->captionSeparator = std::move(captionFormat.decimalSeparator);
    impl_->start = start;
    impl_->current = start;
    impl_->doc = Json::parse(writeScale(start));
    impl_->build();
}

ScaleDraft::ScaleDraft(const ScaleDraft& other) : impl_(std::make_shared<Impl>(*other.impl_)) {}

ScaleDraft& ScaleDraft::operator=(const ScaleDraft& other)
{
    if (this != &other)
        impl_ = std::make_shared<Impl>(*other.impl_);
    return *this;
}

const std::vector<ScaleItem>& ScaleDraft::items() const { return impl_->items; }

const ScaleItem* ScaleDraft::item(std::string_view path) const
{
    const auto it = impl_->index.find(path);
    return it == impl_->index.end() ? nullptr : &impl_->items[it->second];
}

std::string ScaleDraft::text(std::string_view path) const
{
    if (const auto it = impl_->refused.find(path); it != impl_->refused.end())
        return it->second.text;
    if (const Leaf* l = impl_->leaf(path))
        return leafText(impl_->current, *l);
    if (const auto pos = positionPath(path))
        return impl_->positionText(impl_->current, pos->first, pos->second);
    return {};
}

std::string ScaleDraft::startText(std::string_view path) const
{
    if (const Leaf* l = impl_->leaf(path))
        return leafText(impl_->start, *l);
    if (const auto pos = positionPath(path))
        return impl_->positionText(impl_->start, pos->first, pos->second);
    return {};
}

std::string ScaleDraft::referenceText(std::string_view path)
{
    // Every draft has the same items; one of the built-in scale finds them.
    static const ScaleDraft reference(builtinScale());
    if (const Leaf* l = reference.impl_->leaf(path))
        return leafText(builtinScale(), *l);
    if (const auto pos = positionPath(path))
        return reference.impl_->positionText(builtinScale(), pos->first, pos->second);
    return {};
}

std::string ScaleDraft::set(std::string_view path, std::string_view text)
{
    Impl& d = *impl_;
    d.refused.erase(std::string(path));
    std::string message = d.apply(path, text);
    if (!message.empty()) {
        const auto pos = positionPath(path);
        if (d.leaf(path) || (pos && pos->first < d.current.cargos.size()))
            d.refused[std::string(path)] = Impl::Refusal{std::string(text), message};
        return message;
    }
    d.retryRefused();
    d.nameByTops();
    return {};
}

std::string ScaleDraft::error(std::string_view path) const
{
    const auto it = impl_->refused.find(path);
    return it == impl_->refused.end() ? std::string() : it->second.message;
}

std::string ScaleDraft::fullCaption(std::string_view path) const
{
    if (const ScaleItem* i = item(path)) {
        std::string caption = i->row == npos ? i->caption : joined(i->keyCaption, i->caption);
        if (i->group == ScaleGroup::hoursMedio)
            caption += " (nivel medio)";
        else if (i->group == ScaleGroup::hoursSuperior)
            caption += " (nivel superior)";
        return caption;
    }
    if (const auto pos = positionPath(path)) {
        const PositionField* p = positionField(pos->second);
        const std::string code = impl_->positionText(impl_->start, pos->first, "codigocargo");
        return "Cargo " + (code.empty() ? std::to_string(pos->first + 1) : code) + ", " + lowerFirst(p->caption);
    }
    return {};
}

std::size_t ScaleDraft::positionCount() const { return impl_->current.cargos.size(); }

std::string ScaleDraft::positionText(std::size_t row, std::string_view key) const
{
    return text("cargos[" + std::to_string(row) + "]." + std::string(key));
}

std::string ScaleDraft::setPosition(std::size_t row, std::string_view key, std::string_view text)
{
    return set("cargos[" + std::to_string(row) + "]." + std::string(key), text);
}

std::string ScaleDraft::raise(double percent, const std::set<RaiseGroup>& groups)
{
    Impl& d = *impl_;
    if (!std::isfinite(percent))
        return "El aumento debe ser un porcentaje.";
    for (std::size_t k = 0; k < d.items.size(); ++k)
        if (groups.count(d.items[k].raise) && d.items[k].raise != RaiseGroup::none)
            if (const std::string e = error(d.items[k].path); !e.empty())
                return e;
    const double factor = 1 + percent / 100;
    Json next = d.doc;
    for (std::size_t k = 0; k < d.items.size(); ++k) {
        const ScaleItem& item = d.items[k];
        if (item.raise == RaiseGroup::none || !groups.count(item.raise))
            continue;
        const Leaf& leaf = d.leaves[k];
        const double raw = leafNumber(d.current, leaf) * factor;
        Json& at = next[leaf.pointer];
        // Beyond its limits the raw value goes in as it is, so that the
        // reader refuses it in its own words.
        if (!(raw >= 0 && raw <= leaf.field->hi)) {
            at = raw;
            continue;
        }
        // Whole pesos go to whole pesos from the amount to four decimals;
        // amounts keep four decimals, and rates four or as many as they had
        // (a rate per kilometre of six decimals keeps six).
        if (isWholeKind(item.kind)) {
            at = toWhole(formatAmount(Currency::fromDouble(raw), "."), ".", 0, std::numeric_limits<int>::max()).value_or(0);
        } else if (item.kind == ScaleKind::amount) {
            at = Currency::fromDouble(raw).toDouble();
        } else {
            const std::size_t extra = extraDecimals(leafText(d.current, leaf));
            double shifted = raw;
            for (std::size_t n = 0; n < extra; ++n)
                shifted *= 10;
            at = numberValue(pointLeft(formatAmount(Currency::fromDouble(shifted), "."), extra));
        }
    }
    ScaleText r = d.read(next);
    if (!r.scale)
        return r.error;
    d.doc = std::move(next);
    d.current = std::move(*r.scale);
    d.nameByTops();
    return {};
}

std::vector<ScaleDraft::Change> ScaleDraft::changes() const
{
    std::vector<Change> out;
    const auto compare = [&](const std::string& path) {
        std::string before = startText(path);
        std::string after = text(path);
        if (before != after)
            out.push_back(Change{path, fullCaption(path), std::move(before), std::move(after)});
    };
    for (const ScaleItem& i : impl_->items)
        compare(i.path);
    for (std::size_t row = 0; row < positionCount(); ++row)
        for (const PositionField& p : positionFields())
            compare("cargos[" + std::to_string(row) + "]." + std::string(p.key));
    return out;
}

ScaleText ScaleDraft::result() const
{
    const Impl& d = *impl_;
    if (d.refused.empty())
        return ScaleText{d.current, {}};
    // The first refused value in file order, positions last.
    for (const ScaleItem& i : d.items)
        if (const std::string e = error(i.path); !e.empty())
            return ScaleText{std::nullopt, e};
    for (std::size_t row = 0; row < positionCount(); ++row)
        for (const PositionField& p : positionFields())
            if (std::string e = error("cargos[" + std::to_string(row) + "]." + std::string(p.key)); !e.empty())
                return ScaleText{std::nullopt, std::move(e)};
    return ScaleText{std::nullopt, d.refused.begin()->second.message};
}

std::string ScaleDraft::fileText() const
{
    return impl_->refused.empty() ? writeScale(impl_->current) : std::string();
}

} // namespace haberes

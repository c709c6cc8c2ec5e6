// Writing a scale in the file format, keys in table order: objects that
// hold objects or tables across lines, the others on one line.
#include "scale/scale_format.h"

#include "common/json_text.h"
#include "engine/numbers.h"

#include <cstdio>

namespace haberes {

namespace {

class Writer {
public:
    std::string out;

    void num(double v) { out += formatShortestReal(v); }
    void num(int v) { out += std::to_string(v); }
    void num(std::uint8_t v) { out += std::to_string(v); }
    // Amounts are exact decimals with up to four places.
    void num(Currency v) { out += formatAmount(v, "."); }
    void str(std::string_view s) { appendJsonText(out, s); }

    template <typename T>
    void list(const T& values)
    {
        out += '[';
        bool first = true;
        for (const auto& v : values) {
            if (!first)
                out += ", ";
            first = false;
            num(v);
        }
        out += ']';
    }

    // One item a line, indented a level deeper than the key.
    template <typename T, typename F>
    void rows(const T& items, int depth, F writeItem)
    {
        out += '[';
        for (std::size_t i = 0; i < items.size(); ++i) {
            out += i ? ",\n" : "\n";
            indent(depth + 2);
            writeItem(items[i]);
        }
        out += '\n';
        indent(depth + 1);
        out += ']';
    }

    void indent(int depth) { out.append(static_cast<std::size_t>(2 * depth), ' '); }

    // A value of the object at depth.
    void value(const ScaleField& f, const ScaleValue& at, int depth)
    {
        switch (f.kind) {
        case ScaleKind::version: num(static_cast<int>(f.lo)); return;
        case ScaleKind::text:
        case ScaleKind::pointNumber: str(*std::get<std::string*>(at)); return;
        case ScaleKind::month: {
            const auto [year, month] = std::get<std::pair<int*, int*>>(at);
            char buf[32];
            std::snprintf(buf, sizeof buf, "%04d-%02d", *year, *month);
            str(buf);
            return;
        }
        case ScaleKind::whole: num(*std::get<int*>(at)); return;
        case ScaleKind::rate: num(*std::get<double*>(at)); return;
        case ScaleKind::amount: num(*std::get<Currency*>(at)); return;
        case ScaleKind::positions:
            rows(std::get<PositionTable*>(at)->rows(), depth, [this](const PositionRecord& p) {
                out += '{';
                bool first = true;
                for (const PositionField& pf : positionFields()) {
                    out += first ? "" : ", ";
                    first = false;
                    str(pf.key);
                    out += ": ";
                    str(p.*pf.member);
                }
                out += '}';
            });
            return;
        default: break;
        }
        std::visit(
            [&](const auto& v) {
                using V = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<V, std::span<std::array<Currency, kBandsA>>> ||
                              std::is_same_v<V, std::span<std::array<Currency, kBandsB>>>)
                    rows(v, depth, [&](const auto& row) { list(row); });
                else if constexpr (std::is_same_v<V, std::span<int>> || std::is_same_v<V, std::span<std::uint8_t>> ||
                                   std::is_same_v<V, std::span<double>> || std::is_same_v<V, std::span<Currency>>)
                    list(v);
            },
            at);
    }

    // Whether the object holds an object or a table: then it takes lines.
    static bool acrossLines(const std::string& object)
    {
        const std::string prefix = object.empty() ? object : object + ".";
        for (const std::string& key : scaleKeysUnder(object)) {
            const ScaleField* f = scaleField(prefix + key);
            if (!f || f->kind == ScaleKind::amountTable || f->kind == ScaleKind::positions)
                return true;
        }
        return false;
    }

    void object(const std::string& path, int depth, PayScale& s)
    {
        const bool lines = acrossLines(path);
        const std::string prefix = path.empty() ? path : path + ".";
        out += '{';
        bool first = true;
        for (const std::string& key : scaleKeysUnder(path)) {
            if (lines) {
                out += first ? "\n" : ",\n";
                indent(depth + 1);
            } else if (!first) {
                out += ", ";
            }
            first = false;
            str(key);
            out += ": ";
            if (const ScaleField* f = scaleField(prefix + key))
                value(*f, f->at(s), depth);
            else
                object(prefix + key, depth + 1, s);
        }
        if (lines) {
            out += '\n';
            indent(depth);
        }
        out += '}';
    }
};

} // namespace

std::string writeScale(const PayScale& scale)
{
    Writer w;
    // The table reaches values through a PayScale&; writing only reads them.
    w.object({}, 0, const_cast<PayScale&>(scale));
    w.out += '\n';
    return w.out;
}

} // namespace haberes

#include "entry/scale_edits.h"

#include "engine/messages.h"
#include "entry/qt_text.h"

#include <charconv>

namespace haberes {

bool numericKind(ScaleKind kind)
{
    return kind != ScaleKind::text && kind != ScaleKind::month;
}

namespace {

bool wholeKind(ScaleKind kind)
{
    return kind == ScaleKind::version || kind == ScaleKind::whole || kind == ScaleKind::wholeList;
}

// "0.8947" → "0,8947" under a decimal comma; a number written with an
// exponent ("1e-05") is written plain first.
std::string withSeparator(std::string_view text, const NumberFormat& format)
{
    if (text.find_first_of("eE") != std::string_view::npos) {
        double value = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec == std::errc() && end == text.data() + text.size())
            return formatReal(value, format.decimalSeparator);
    }
    std::string out;
    for (char c : text) {
        if (c == '.')
            out.append(format.decimalSeparator);
        else
            out.push_back(c);
    }
    return out;
}

// A typed number written as the file writes it: with a point, no sign
// dropped (the draft refuses a negative with the reader's message).
std::optional<std::string> pointText(const std::string& typed, const NumberFormat& format)
{
    const auto parts = parseNumberText(typed, format.decimalSeparator);
    if (!parts)
        return std::nullopt;
    std::string out = parts->negative ? "-" : "";
    out += parts->integerDigits.empty() ? std::string("0") : std::string(parts->integerDigits);
    if (!parts->fractionDigits.empty())
        out += "." + std::string(parts->fractionDigits);
    return out;
}

} // namespace

QString shownValue(ScaleKind kind, std::string_view fileText, const NumberFormat& format)
{
    return qtext(numericKind(kind) ? withSeparator(fileText, format) : std::string(fileText));
}

ScaleEdits::ScaleEdits(const PayScale& start, NumberFormat format) : draft_(start, format), format_(std::move(format)) {}

QString ScaleEdits::shown(std::string_view path) const
{
    const ScaleItem* item = draft_.item(path);
    return item ? shownValue(item->kind, draft_.text(path), format_) : QString();
}

QString ScaleEdits::startShown(std::string_view path) const
{
    const ScaleItem* item = draft_.item(path);
    return item ? shownValue(item->kind, draft_.startText(path), format_) : QString();
}

QString ScaleEdits::referenceShown(std::string_view path) const
{
    const ScaleItem* item = draft_.item(path);
    return item ? shownValue(item->kind, ScaleDraft::referenceText(path), format_) : QString();
}

QString ScaleEdits::enter(std::string_view path, const QString& typed)
{
    const ScaleItem* item = draft_.item(path);
    if (!item)
        return {};
    unsaved_ = true;
    const std::string key(path);
    const std::string text = utf8(typed);
    std::string fileText = text;
    if (numericKind(item->kind)) {
        const auto written = pointText(text, format_);
        if (!written) {
            const std::string why = scaleValueMessage(draft_.fullCaption(path), text, format_.decimalSeparator,
                                                      ScaleDraft::referenceText(path), !wholeKind(item->kind));
            unreadable_[key] = why;
            return qtext(why);
        }
        fileText = *written;
    }
    unreadable_.erase(key);
    return qtext(draft_.set(path, fileText));
}

std::string ScaleEdits::positionPath(std::size_t row, std::string_view key)
{
    return "cargos[" + std::to_string(row) + "]." + std::string(key);
}

QString ScaleEdits::enterPosition(std::size_t row, std::string_view key, const QString& typed)
{
    unsaved_ = true;
    // Positions are texts in the file, points written with digits alone:
    // nothing to convert.
    const std::string why = draft_.setPosition(row, key, utf8(typed));
    positionsTyped_.insert(positionPath(row, key));
    return qtext(why);
}

QString ScaleEdits::refusal(std::string_view path) const
{
    // Positions' cells are refused by the draft alone, under their paths.
    const auto typed = unreadable_.find(std::string(path));
    if (typed != unreadable_.end())
        return qtext(typed->second);
    return qtext(draft_.error(path));
}

QString ScaleEdits::positionRefusal(std::size_t row, std::string_view key) const
{
    return qtext(draft_.error(positionPath(row, key)));
}

std::optional<std::string> ScaleEdits::firstRefused() const
{
    for (const ScaleItem& item : draft_.items())
        if (!refusal(item.path).isEmpty())
            return item.path;
    for (const std::string& path : positionsTyped_)
        if (!draft_.error(path).empty())
            return path;
    return std::nullopt;
}

QString ScaleEdits::raise(double percent, const std::set<RaiseGroup>& groups)
{
    if (const auto refused = firstRefused())
        return QStringLiteral("Primero corregí los valores marcados: %1")
            .arg(refusal(*refused));
    const std::string why = draft_.raise(percent, groups);
    if (why.empty())
        unsaved_ = true;
    return qtext(why);
}

} // namespace haberes

#pragma once
// A scale in the making as the scale window edits it: the draft, the texts
// as the user reads and types them (numbers with the locale's decimal
// separator), the values refused so far and whether anything is unsaved.
// The window, its pages and its tables share one.
#include "engine/numbers.h"
#include "scale/scale_draft.h"

#include <QString>

#include <cstddef>
#include <map>
#include <set>
#include <optional>
#include <string>
#include <string_view>

namespace haberes {

// Whether values of this kind are numbers, shown and typed with the user's
// separator; texts and months are shown as written.
bool numericKind(ScaleKind kind);

// A value as the file writes it, shown with the user's separator.
QString shownValue(ScaleKind kind, std::string_view fileText, const NumberFormat& format);

class ScaleEdits {
public:
    ScaleEdits(const PayScale& start, NumberFormat format);

    const ScaleDraft& draft() const { return draft_; }
    const NumberFormat& format() const { return format_; }

    // The present, start and July 2010 values of an item, as shown.
    QString shown(std::string_view path) const;
    QString startShown(std::string_view path) const;
    QString referenceShown(std::string_view path) const;

    // Takes a typed text: "" when good, else why not (a text that is no
    // number under the user's separator never reaches the draft).
    QString enter(std::string_view path, const QString& typed);
    QString enterPosition(std::size_t row, std::string_view key, const QString& typed);
    // The refusal standing for an item or a position's cell (by item path
    // or positionPath), "" for none.
    QString refusal(std::string_view path) const;
    QString positionRefusal(std::size_t row, std::string_view key) const;
    // The first value refused, in file order (positions last), if any.
    std::optional<std::string> firstRefused() const;
    // Where a position's cell is kept among the refusals.
    static std::string positionPath(std::size_t row, std::string_view key);

    // "" or why not; refused while any value is refused.
    QString raise(double percent, const std::set<RaiseGroup>& groups);

    // Something typed or raised since the start or the last save.
    bool unsaved() const { return unsaved_; }
    void markSaved() { unsaved_ = false; }

private:
    ScaleDraft draft_;
    NumberFormat format_;
    // Texts that are no number under the user's separator, by path.
    std::map<std::string, std::string> unreadable_;
    // The positions' cells typed into, by positionPath: only these can be
    // refused.
    std::set<std::string> positionsTyped_;
    bool unsaved_ = false;
};

} // namespace haberes

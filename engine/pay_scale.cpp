#include "engine/pay_scale.h"

namespace haberes {

std::optional<int> positionCodeNumber(std::string_view code)
{
    if (code.size() != 3)
        return std::nullopt;
    int n = 0;
    for (char c : code) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < PositionTable::kFirstCode || n > PositionTable::kLastCode)
        return std::nullopt;
    return n;
}

PositionTable::PositionTable(std::vector<PositionRecord> rows) : rows_(std::move(rows))
{
    // Codes are three digits from 600 up: index them once by number.
    rowOfCode_.fill(-1);
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        const auto n = positionCodeNumber(rows_[row].codigocargo);
        if (n && rowOfCode_[static_cast<std::size_t>(*n - kFirstCode)] < 0)
            rowOfCode_[static_cast<std::size_t>(*n - kFirstCode)] = static_cast<std::int16_t>(row);
    }
}

std::optional<std::size_t> PositionTable::find(std::string_view code) const
{
    const auto n = positionCodeNumber(code);
    if (!n)
        return std::nullopt;
    const int row = rowOfCode_[static_cast<std::size_t>(*n - kFirstCode)];
    if (row < 0)
        return std::nullopt;
    return static_cast<std::size_t>(row);
}

} // namespace haberes

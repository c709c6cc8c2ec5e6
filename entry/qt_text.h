#pragma once
// The table and the engine keep their texts as UTF-8 std::string(_view);
// the widgets want QString.
#include <QString>
#include <string>
#include <string_view>

namespace haberes {

inline QString qtext(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string utf8(const QString& text)
{
    return text.toStdString();
}

} // namespace haberes

#pragma once

#include <QString>

#include <string_view>

// Field text and names cross into Qt here and nowhere else.
namespace qthost {

inline QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace qthost

#include "PlatformFonts.h"

#include "hosts/qt/QtText.h"

#include <array>

namespace qthost {

namespace {

struct FontSubstitute {
    const char* named;
    const char* installed;
};

// clang-format off
constexpr std::array<FontSubstitute, 3> fontSubstitutes{{
    {"Times New Roman", "Liberation Serif"},
    {"Comic Sans MS",   "Comic Neue"},
    {"MS Sans Serif",   "Liberation Sans"},
}};
// clang-format on

} // namespace

QString installedFace(std::string_view named)
{
    for (const FontSubstitute& font : fontSubstitutes)
        if (named == font.named)
            return QString::fromLatin1(font.installed);
    return toQString(named);
}

} // namespace qthost

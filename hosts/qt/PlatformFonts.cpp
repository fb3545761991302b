#include "PlatformFonts.h"

#include <QFont>
#include <QString>

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

void registerFontSubstitutes()
{
    for (const FontSubstitute& font : fontSubstitutes)
        QFont::insertSubstitution(QString::fromLatin1(font.named),
                                  QString::fromLatin1(font.installed));
}

} // namespace qthost

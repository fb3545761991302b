#pragma once

#include <QString>

#include <string_view>

namespace qthost {

// The installed face that stands for a face a window definition names, or
// the named face itself when it needs no stand-in.  Asking for the installed
// face by name spares the font database a fallback search through
// fontconfig for each face it does not know.
QString installedFace(std::string_view named);

// Makes the font faces that window definitions name resolve on Linux, where
// they are not installed, to metric-compatible or look-alike faces.  Needed
// before any window measures its text; registering twice is harmless.
void registerFontSubstitutes();

// Registers the substitutes on construction, so that a member declared
// before the window has them in place when the window is built.
struct PlatformFonts {
    PlatformFonts() { registerFontSubstitutes(); }
};

} // namespace qthost

#pragma once

namespace qthost {

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

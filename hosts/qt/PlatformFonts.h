#pragma once

#include <QString>

#include <string_view>

namespace qthost {

// The installed face that stands for a face a window definition names but
// Linux lacks: a metric-compatible or look-alike face; or the named face
// itself when it needs no stand-in.  Asking for the installed face by name
// spares the font database a fallback search through fontconfig for each
// face it does not know.
QString installedFace(std::string_view named);

} // namespace qthost

#pragma once

// The stored definition of a window: its properties and its controls as
// plain data, which the host turns into widgets.  Positions and sizes are in
// twips, measured from the top-left corner of the client area.  Images are
// named, not located: each host maps an image name to its own resources.

#include "runtime/Host.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace runtime {

using Twips = int;

inline constexpr Twips twipsPerPixel = 15;
inline constexpr int logicalDpi = 96;

// Pixels on a screen of the given density, rounded down.
constexpr int twipsToPixels(Twips twips, int dpi)
{
    return twips * dpi / (twipsPerPixel * logicalDpi);
}

// Logical pixels at 96 dots per inch.
constexpr int twipsToPixels(Twips twips)
{
    return twipsToPixels(twips, logicalDpi);
}

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

struct FontSpec {
    std::string_view face;
    double points = 0.0;
    int weight = 400; // 400 normal, 700 bold
};

enum class ControlKind { PushButton, TextField, Label };

enum class Sizing {
    Stored,      // the stored width and height
    ToText,      // the size the text needs, top-left corner kept
    HeightToText // the stored width, the height the wrapped text needs
};

// How a control looks beyond its font; an unset colour is the platform's
// usual one for the kind of control.
struct ControlLook {
    std::optional<Rgb> textColour{};
    std::optional<Rgb> backColour{}; // unset on a label: transparent
    bool sunkenBorder = false;
    bool wordWrap = false;
    Sizing sizing = Sizing::Stored;
};

// The text colour a control is drawn with; unset means the platform's usual
// one.  Where the background is fixed but the text colour is not, the text
// is the classic black: a theme's text colour, light in a dark theme, would
// not read on that fixed background.
constexpr std::optional<Rgb> shownTextColour(const ControlLook& look)
{
    if (!look.textColour && look.backColour)
        return Rgb{0, 0, 0};
    return look.textColour;
}

struct ControlDefinition {
    std::string_view name;
    ControlKind kind;
    std::u16string_view text; // '&' marks the access key of a button
    Twips left, top, width, height;
    std::optional<FontSpec> font; // unset: the window's font
    ControlLook look;
    int tabIndex;
};

// What a screen reader says of a control besides its visible text.
struct AccessibleText {
    std::string_view control;
    std::u16string_view name;
    std::u16string_view description;
};

// A label and the control it names.
struct Buddy {
    std::string_view label;
    std::string_view control;
};

struct WindowDefinition {
    std::string_view name;
    std::u16string_view title;
    Twips clientWidth, clientHeight;
    FontSpec font;
    Rgb backColour;
    std::string_view picture; // image name, painted at natural size from the top-left
    std::span<const ControlDefinition> controls;
    std::span<const AccessibleText> accessibleTexts;
    std::span<const Buddy> buddies;
};

// Everything the start routine needs to run a program.
struct ProgramDescriptor {
    std::string_view startupObject;
    const WindowDefinition& definition;
    std::span<const ClickBinding> clickBindings;
    std::string_view applicationId; // reverse-DNS, names the desktop entry
    std::string_view version;
    std::string_view icon; // image name of the window's icon in every size the host has
};

} // namespace runtime

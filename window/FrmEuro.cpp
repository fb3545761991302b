#include "FrmEuro.h"

#include "window/Application.h"
#include "window/CommandHandlers.h"
#include "window/ControlNames.h"

#include "runtime/WindowContract.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace window {

namespace {

using runtime::AccessibleText;
using runtime::Buddy;
using runtime::ControlDefinition;
using runtime::ControlLook;
using runtime::FontSpec;
using runtime::Rgb;
using runtime::Sizing;
using enum runtime::ControlKind;
using namespace names;

constexpr Rgb green{0, 192, 0};
constexpr Rgb yellow{255, 255, 0};
constexpr Rgb white{255, 255, 255};
constexpr Rgb silver{192, 192, 192};

constexpr FontSpec windowFont{"MS Sans Serif", 8.25, 400};
constexpr FontSpec fieldFont{"Times New Roman", 12, 400};
constexpr FontSpec labelFont{"MS Sans Serif", 9.75, 400};
constexpr FontSpec bannerFont{"Comic Sans MS", 18, 700};
constexpr std::optional<FontSpec> defaultFont;

constexpr ControlLook defaultLook{};
constexpr ControlLook creditLook{
    .backColour = green, .sunkenBorder = true, .sizing = Sizing::ToText};
constexpr ControlLook hintLook{
    .backColour = yellow, .sunkenBorder = true, .wordWrap = true, .sizing = Sizing::HeightToText};
constexpr ControlLook labelLook{.textColour = white, .sizing = Sizing::ToText};
constexpr ControlLook bannerLook{.textColour = green};

constexpr std::u16string_view convertPuntToEuroText = u"C&onvert";
constexpr std::u16string_view convertEuroToPuntText = u"Co&nvert";

// A text made at compile time with a button's access key between its two
// parts, so that it always names the key the button's caption marks.
template <std::size_t Before, std::size_t After>
struct NamingAccessKey {
    std::array<char16_t, Before - 1 + 1 + After - 1> units{}; // the parts lose their ends

    constexpr NamingAccessKey(const char16_t (&before)[Before], std::u16string_view caption,
                              const char16_t (&after)[After])
    {
        const char16_t key = runtime::accessKey(caption);
        if (key == 0)
            throw std::logic_error("the caption marks no access key");
        auto end = std::copy(before, before + Before - 1, units.begin());
        *end++ = key;
        std::copy(after, after + After - 1, end);
    }
    constexpr std::u16string_view text() const { return {units.data(), units.size()}; }
};

constexpr NamingAccessKey puntFieldHint(u"Type an amount in Irish pounds; Alt+",
                                        convertPuntToEuroText, u" converts it to euros.");
constexpr NamingAccessKey euroFieldHint(u"Type an amount in euros; Alt+", convertEuroToPuntText,
                                        u" converts it to punts.");

// clang-format off
constexpr std::array<ControlDefinition, 12> controls{{
//   name                  kind        text                                        left  top   width height font         look          tab
    {cmdConvertEuroToPunt, PushButton, convertEuroToPuntText,                      2520, 2520, 1215, 615,   defaultFont, defaultLook,  9},
    {cmdClear,             PushButton, u"&Clear",                                  2640, 1800, 975,  495,   defaultFont, defaultLook,  7},
    {txtPunt,              TextField,  u"",                                        120,  960,  2295, 615,   fieldFont,   defaultLook,  3},
    {txtEuro,              TextField,  u"",                                        120,  2520, 2295, 615,   fieldFont,   defaultLook,  2},
    {cmdConvertPuntToEuro, PushButton, convertPuntToEuroText,                      2520, 960,  1215, 615,   defaultFont, defaultLook,  1},
    {cmdExit,              PushButton, u"E&xit",                                   120,  4200, 1215, 495,   defaultFont, defaultLook,  0},
    {lblTambrel,           Label,      u"Tambrel",                                 4920, 4440, 1125, 255,   defaultFont, creditLook,   11},
    {lblPuntToEuro,        Label,      u"Click here to convert from PUNT to EURO", 3840, 2640, 1935, 450,   defaultFont, hintLook,     10},
    {lblEuroToPunt,        Label,      u"Click here to convert from EURO to PUNT", 3840, 1080, 1935, 450,   defaultFont, hintLook,     8},
    {label2,               Label,      u"Euro here.",                              120,  2280, 915,  240,   labelFont,   labelLook,    6},
    {label1,               Label,      u"Punt here.",                              120,  720,  885,  240,   labelFont,   labelLook,    5},
    {lblConverter,         Label,      application::title,                         120,  120,  3735, 495,   bannerFont,  bannerLook,   4},
}};

// The two Convert buttons show the same word; a screen reader tells them apart.
constexpr std::array<AccessibleText, 6> accessibleTexts{{
    {txtPunt,              u"Amount in punts",        puntFieldHint.text()},
    {txtEuro,              u"Amount in euros",        euroFieldHint.text()},
    {cmdConvertPuntToEuro, u"Convert punts to euros", u"Writes the punt amount, in euros, into the euro field."},
    {cmdConvertEuroToPunt, u"Convert euros to punts", u"Writes the euro amount, in punts, into the punt field."},
    {cmdClear,             u"Clear",                  u"Empties both fields."},
    {cmdExit,              u"Exit",                   u"Ends the program."},
}};

constexpr std::array<Buddy, 2> buddies{{
    {label1, txtPunt},
    {label2, txtEuro},
}};
// clang-format on

} // namespace

const runtime::WindowDefinition frmEuroDefinition{
    .name = frmEuro,
    .title = application::title,
    .clientWidth = 6150,
    .clientHeight = 4785,
    .font = windowFont,
    .backColour = silver,
    .picture = "background",
    .controls = controls,
    .accessibleTexts = accessibleTexts,
    .buddies = buddies,
};

const runtime::ProgramDescriptor program{
    .startupObject = frmEuro,
    .definition = frmEuroDefinition,
    .clickBindings = clickBindings,
    .applicationId = application::id,
    .version = application::version,
    .icon = "icon",
};

} // namespace window

#include "ShownText.h"

#include "hosts/win32/DeviceContext.h"
#include "hosts/win32/GdiObject.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace win32host {

namespace {

// Left-to-right, right-to-left and first-strong isolate, and their end.
constexpr std::array<wchar_t, 4> isolates{L'\u2066', L'\u2067', L'\u2068', L'\u2069'};
constexpr WORD missingGlyph = 0xFFFF;

GdiObject<HFONT> messageBoxFont()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        throw std::runtime_error("the message box font is unknown");
    return ownGdiObject(CreateFontIndirectW(&metrics.lfMessageFont),
                        "the message box font could not be created");
}

} // namespace

std::wstring withoutIsolatesMissingFrom(HDC dc, std::wstring_view text)
{
    std::array<WORD, isolates.size()> glyphs{};
    if (GetGlyphIndicesW(dc, isolates.data(), static_cast<int>(isolates.size()), glyphs.data(),
                         GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
        glyphs.fill(missingGlyph);
    const auto missing = [&glyphs](wchar_t c) {
        const auto* isolate = std::find(isolates.begin(), isolates.end(), c);
        return isolate != isolates.end() &&
               glyphs[static_cast<std::size_t>(isolate - isolates.begin())] == missingGlyph;
    };
    std::wstring shown(text);
    std::erase_if(shown, missing);
    return shown;
}

std::wstring shownInMessageBox(std::wstring_view text)
{
    const GdiObject<HFONT> font = messageBoxFont();
    DeviceContext screen = DeviceContext::ofWindow(nullptr);
    screen.select(font.get());
    return withoutIsolatesMissingFrom(screen.get(), text);
}

} // namespace win32host

#include "ShownText.h"

#include "hosts/win32/DeviceContext.h"
#include "hosts/win32/GdiObject.h"
#include "runtime/MessageText.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace win32host {

namespace {

// The isolates as the Win32 API takes text.
constexpr auto isolates = [] {
    std::array<wchar_t, runtime::bidiIsolates.size()> wide{};
    std::copy(runtime::bidiIsolates.begin(), runtime::bidiIsolates.end(), wide.begin());
    return wide;
}();
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
    try {
        const GdiObject<HFONT> font = messageBoxFont();
        DeviceContext screen = DeviceContext::ofWindow(nullptr);
        screen.select(font.get());
        return withoutIsolatesMissingFrom(screen.get(), text);
    } catch (const std::runtime_error&) {
        // The message matters more than its marks: when the font cannot be
        // asked, the text goes out as it is.
        return std::wstring(text);
    }
}

} // namespace win32host

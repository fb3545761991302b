#include "WindowPicture.h"

#include "hosts/win32/DeviceContext.h"
#include "hosts/win32/Win32Text.h"
#include "runtime/MessageText.h"
#include "runtime/WindowDefinition.h"

namespace win32host {

namespace {

GdiObject<HBITMAP> loadBitmap(HINSTANCE instance, std::string_view name)
{
    const std::wstring resource = toWide(name);
    return ownGdiObject(static_cast<HBITMAP>(LoadImageW(instance, resource.c_str(), IMAGE_BITMAP, 0,
                                                        0, LR_CREATEDIBSECTION)),
                        runtime::messages::missingPicture(name).c_str());
}

} // namespace

WindowPicture::WindowPicture(HINSTANCE instance, std::string_view name, SIZE client, int dpi,
                             COLORREF backColour)
    : client_(client)
{
    const GdiObject<HBITMAP> picture = loadBitmap(instance, name);
    BITMAP natural{};
    GetObjectW(picture.get(), sizeof natural, &natural);

    DeviceContext screen = DeviceContext::ofWindow(nullptr);
    visible_ = ownGdiObject(CreateCompatibleBitmap(screen.get(), client.cx, client.cy),
                            "no memory for the window's picture");
    drawVisible(screen.get(), picture.get(), natural, dpi, backColour);
    // The brush takes a copy of the bitmap, which is no longer selected anywhere.
    brush_ = ownGdiObject(CreatePatternBrush(visible_.get()), "no brush for the picture");
}

void WindowPicture::drawVisible(HDC screen, HBITMAP picture, const BITMAP& natural, int dpi,
                                COLORREF backColour)
{
    const SIZE client = client_;
    DeviceContext target = DeviceContext::compatibleWith(screen);
    target.select(visible_.get());
    const GdiObject<HBRUSH> back =
        ownGdiObject(CreateSolidBrush(backColour), "no brush for the back colour");
    const RECT whole{0, 0, client.cx, client.cy};
    FillRect(target.get(), &whole, back.get());

    DeviceContext source = DeviceContext::compatibleWith(screen);
    source.select(picture);
    if (dpi == runtime::logicalDpi) {
        BitBlt(target.get(), 0, 0, client.cx, client.cy, source.get(), 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(target.get(), HALFTONE);
        SetBrushOrgEx(target.get(), 0, 0, nullptr);
        StretchBlt(target.get(), 0, 0, MulDiv(natural.bmWidth, dpi, runtime::logicalDpi),
                   MulDiv(natural.bmHeight, dpi, runtime::logicalDpi), source.get(), 0, 0,
                   natural.bmWidth, natural.bmHeight, SRCCOPY);
    }
}

void WindowPicture::paint(HDC dc) const
{
    DeviceContext source = DeviceContext::compatibleWith(dc);
    source.select(visible_.get());
    BitBlt(dc, 0, 0, client_.cx, client_.cy, source.get(), 0, 0, SRCCOPY);
}

HBRUSH WindowPicture::brushBehind(HDC dc, POINT origin) const
{
    SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    return brush_.get();
}

} // namespace win32host

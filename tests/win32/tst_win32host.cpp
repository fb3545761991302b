#include "hosts/win32/Win32Host.h"

#include "hosts/win32/UiaAnnouncer.h"
#include "hosts/win32/Win32Text.h"
#include "runtime/WindowContract.h"
#include "window/ControlNames.h"
#include "window/FrmEuro.h"

#include "Conformance.h"

#include <doctest/doctest.h>
#include <oleacc.h>

#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace window::names;
using runtime::ControlDefinition;

std::wstring textOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

RECT clientPlace(HWND control)
{
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// Answers the next message box of this thread with OK, remembering what it
// showed: its title, its prompt (static control 0xFFFF), its buttons and
// whether it shows no icon.
conformance::SeenBox seen;

BOOL CALLBACK countButton(HWND child, LPARAM)
{
    std::array<wchar_t, 16> kind{};
    GetClassNameW(child, kind.data(), static_cast<int>(kind.size()));
    seen.buttons += std::wstring(kind.data()) == L"Button";
    seen.plain = seen.plain && SendMessageW(child, STM_GETICON, 0, 0) == 0;
    return TRUE;
}

BOOL CALLBACK answerIfMessageBox(HWND box, LPARAM)
{
    if (!GetDlgItem(box, 0xFFFF))
        return TRUE;
    seen = {win32host::toFieldText(textOf(box)),
            win32host::toFieldText(textOf(GetDlgItem(box, 0xFFFF))), 0, true};
    EnumChildWindows(box, countButton, 0);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void CALLBACK answerMessageBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    EnumThreadWindows(GetCurrentThreadId(), answerIfMessageBox, 0);
    KillTimer(nullptr, timer);
}

void answerNextMessageBox()
{
    seen = {};
    SetTimer(nullptr, 0, 100, answerMessageBox);
}

// The shown window as the program starts, sent what the keyboard and the
// mouse would send.
class Win32Adapter final : public conformance::Adapter {
public:
    runtime::Host& reset(bool recording) override
    {
        host_.reset();
        host_ = std::make_unique<win32host::Win32Host>(recording ? conformance::recordingProgram()
                                                                 : window::program,
                                                       GetModuleHandleW(nullptr), 96);
        host_->window().show(SW_SHOWNORMAL);
        host_->processPendingMessages();
        conformance::clicks().clear();
        return *host_;
    }
    win32host::Win32Host& win32() { return *host_; }
    void focus(std::string_view control) override { SetFocus(host_->window().control(control)); }
    std::string focused() override
    {
        for (const ControlDefinition& row : window::frmEuroDefinition.controls)
            if (host_->window().control(row.name) == GetFocus())
                return std::string(row.name);
        return {};
    }
    void press(conformance::Key key, char letter) override
    {
        using conformance::Key;
        const auto post = [](UINT message, WPARAM code, LPARAM flags) {
            PostMessageW(GetFocus(), message, code, flags | 1);
        };
        std::array<BYTE, 256> keyboard{};
        keyboard[VK_SHIFT] = key == Key::ShiftTab ? 0x80 : 0;
        SetKeyboardState(keyboard.data());
        if (key == Key::Letter || key == Key::AltLetter) {
            const bool alt = key == Key::AltLetter;
            post(alt ? WM_SYSCHAR : WM_CHAR, static_cast<WPARAM>(letter),
                 alt ? LPARAM{1} << 29 : 0);
        } else {
            // Each key's virtual key and flags; the keypad's Enter is an extended key.
            const std::map<Key, std::pair<WPARAM, LPARAM>> keys{
                {Key::Tab, {VK_TAB, 0}},          {Key::ShiftTab, {VK_TAB, 0}},
                {Key::Enter, {VK_RETURN, 0}},     {Key::KeypadEnter, {VK_RETURN, LPARAM{1} << 24}},
                {Key::HeldEnter, {VK_RETURN, 0}}, {Key::Space, {VK_SPACE, 0}},
                {Key::Escape, {VK_ESCAPE, 0}}};
            const auto [code, flags] = keys.at(key);
            constexpr LPARAM wasDown = LPARAM{1} << 30;
            for (int press = 0; press < (key == Key::HeldEnter ? 4 : 1); ++press)
                post(WM_KEYDOWN, code, flags | (press ? wasDown : 0));
            post(WM_KEYUP, code, flags | wasDown | LPARAM{1} << 31);
        }
        host_->processPendingMessages();
        keyboard[VK_SHIFT] = 0;
        SetKeyboardState(keyboard.data());
    }
    void click(std::string_view button) override
    {
        SendMessageW(host_->window().control(button), BM_CLICK, 0, 0);
        host_->processPendingMessages();
    }
    void watchBoxes() override { answerNextMessageBox(); }
    std::vector<conformance::SeenBox> boxes() override
    {
        return seen.title.empty() ? std::vector<conformance::SeenBox>{} : std::vector{seen};
    }

private:
    std::unique_ptr<win32host::Win32Host> host_;
};

// What a screen reader hears as the name of the control.
std::wstring accessibleName(HWND control)
{
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))))
        return L"(no accessible object)";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::wstring result;
    if (object->get_accName(self, &name) == S_OK && name)
        result.assign(name, SysStringLen(name));
    SysFreeString(name);
    object->Release();
    return result;
}

// Stands in for the provider UI Automation makes for a window, counting its
// references.  A COM object is released, never deleted through IUnknown.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
struct StandInProvider final : IUnknown {
    ULONG references = 0;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
};
#pragma GCC diagnostic pop

struct Raised {
    HWND window;
    int kind, processing;
    std::wstring text;
};

StandInProvider provider;
HWND askedFor = nullptr;
std::vector<Raised> raised;

HRESULT WINAPI hostProviderFromHwnd(HWND window, IUnknown** result)
{
    askedFor = window;
    *result = &provider;
    provider.AddRef();
    return S_OK;
}

HRESULT WINAPI raiseNotificationEvent(IUnknown*, int kind, int processing, BSTR text, BSTR activity)
{
    raised.push_back({askedFor, kind, processing, std::wstring(text, SysStringLen(text))});
    CHECK(SysStringLen(activity) > 0);
    return S_OK;
}

} // namespace

TEST_CASE("a fixed frame, and controls in their places and sizes with their stored fonts or the "
          "window's, at 96 and 144 dots per inch")
{
    for (const int dpi : {96, 144}) {
        CAPTURE(dpi);
        win32host::Win32Host host(window::program, GetModuleHandleW(nullptr), dpi);
        const auto pixels = [dpi](runtime::Twips twips) {
            return runtime::twipsToPixels(twips, dpi);
        };
        RECT client{};
        GetClientRect(host.window().handle(), &client);
        CHECK(client.right == pixels(6150));
        CHECK(client.bottom == pixels(4785));
        const auto style = GetWindowLongPtrW(host.window().handle(), GWL_STYLE);
        CHECK((style & (WS_SYSMENU | WS_MINIMIZEBOX)) == (WS_SYSMENU | WS_MINIMIZEBOX));
        CHECK((style & (WS_MAXIMIZEBOX | WS_THICKFRAME)) == 0);

        std::vector<RECT> places;
        for (const ControlDefinition& row : window::frmEuroDefinition.controls) {
            INFO(std::string(row.name));
            const RECT place = clientPlace(host.window().control(row.name));
            CHECK(place.left == pixels(row.left));
            CHECK(place.top == pixels(row.top));
            if (row.look.sizing == runtime::Sizing::Stored) {
                CHECK(place.right == pixels(row.left) + pixels(row.width));
                CHECK(place.bottom == pixels(row.top) + pixels(row.height));
            }
            RECT overlap{};
            for (const RECT& other : places)
                CHECK_FALSE(IntersectRect(&overlap, &place, &other));
            CHECK(IntersectRect(&overlap, &place, &client));
            CHECK(EqualRect(&overlap, &place));
            places.push_back(place);

            const runtime::FontSpec stored = row.font.value_or(window::frmEuroDefinition.font);
            LOGFONTW font{};
            const auto handle = reinterpret_cast<HFONT>(
                SendMessageW(host.window().control(row.name), WM_GETFONT, 0, 0));
            REQUIRE(GetObjectW(handle, sizeof font, &font) == sizeof font);
            CHECK(std::wstring(font.lfFaceName) ==
                  std::wstring(stored.face.begin(), stored.face.end()));
            CHECK(font.lfWeight == stored.weight);
            CHECK(font.lfHeight == -std::lround(stored.points * dpi / 72));
        }
    }
}

TEST_CASE("the host follows the window's rules")
{
    Win32Adapter adapter;
    for (const std::string& failure : conformance::run(adapter))
        FAIL_CHECK(failure);
}

TEST_CASE("a screen reader names each field after its label")
{
    win32host::Win32Host host(window::program, GetModuleHandleW(nullptr), 96);
    for (const runtime::Buddy& buddy : window::frmEuroDefinition.buddies) {
        const std::u16string_view caption =
            runtime::findControl(window::frmEuroDefinition, buddy.label)->text;
        CHECK(accessibleName(host.window().control(buddy.control)) == win32host::toWide(caption));
    }
}

// Wine's message font has no glyph for the isolates around a quoted text:
// they are left out, not drawn as boxes.
TEST_CASE("a message box quotes the field's text without isolates")
{
    Win32Adapter adapter;
    adapter.reset(false).setFieldText(txtPunt, u"abc");
    adapter.focus(txtPunt);
    adapter.watchBoxes();
    adapter.press(conformance::Key::AltLetter, 'o');
    CHECK(seen.prompt.find(u"The text \"abc\" is not a number") != std::u16string::npos);
}

TEST_CASE("a written field shows its text from the first character")
{
    Win32Adapter shown;
    runtime::Host& host = shown.reset(false);
    HWND euro = shown.win32().window().control(txtEuro);
    const std::wstring longText(200, L'8');
    SetFocus(euro);
    SetWindowTextW(euro, longText.c_str());
    const auto end = static_cast<LPARAM>(longText.size());
    SendMessageW(euro, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageW(euro, EM_SCROLLCARET, 0, 0);
    REQUIRE(SendMessageW(euro, EM_GETFIRSTVISIBLELINE, 0, 0) > 0);

    host.setFieldText(txtEuro, u"-1.6973807842918E+307 and a tail beyond the field's width");
    CHECK(SendMessageW(euro, EM_GETFIRSTVISIBLELINE, 0, 0) == 0);
}

TEST_CASE("Exit and closing the window both end the message loop with status 0")
{
    for (const UINT message : {UINT{WM_SYSCHAR}, UINT{WM_CLOSE}}) {
        CAPTURE(message);
        win32host::Win32Host host(window::program, GetModuleHandleW(nullptr), 96);
        HWND target = message == WM_CLOSE ? host.window().handle() : host.window().control(cmdExit);
        PostMessageW(target, message, 'x', LPARAM{1} << 29);
        CHECK(host.run(SW_SHOWNORMAL) == 0);
        CHECK(host.window().handle() == nullptr);
    }
}

TEST_CASE("each button's outcome is announced once, with the sentence whole")
{
    struct Row {
        const char* name;
        std::string_view field;
        const wchar_t* typed;
        std::string_view button;
        const wchar_t* said;
    };
    for (const Row& row : {
             Row{"punts to euros", txtPunt, L"100", cmdConvertPuntToEuro,
                 L"126.973807842918 euros"},
             Row{"euros to punts", txtEuro, L"10", cmdConvertEuroToPunt, L"7.87564 punts"},
             Row{"clear", txtEuro, L"10", cmdClear, L"Both fields are empty"},
         }) {
        INFO(std::string(row.name));
        raised.clear();
        win32host::Win32Host host(
            window::program, GetModuleHandleW(nullptr), 96,
            win32host::UiaAnnouncer({hostProviderFromHwnd, raiseNotificationEvent}));
        SetWindowTextW(host.window().control(row.field), row.typed);
        HWND button = host.window().control(row.button);
        SendMessageW(host.window().handle(), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));

        REQUIRE(raised.size() == 1);
        CHECK(raised[0].window == host.window().handle());
        CHECK(raised[0].text == row.said);
        CHECK(raised[0].kind == 2);       // an action completed
        CHECK(raised[0].processing == 1); // replaces an earlier one still waiting
        CHECK(provider.references == 0);
    }
}

#include "hosts/win32/Win32Host.h"

#include "window/CommandHandlers.h"
#include "window/ControlNames.h"
#include "window/FrmEuro.h"

#include <doctest/doctest.h>
#include <oleacc.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace window::names;
using runtime::ControlDefinition;

std::vector<std::string_view> clicks;

template <const std::string_view& button>
void recordClick(runtime::Host&)
{
    clicks.push_back(button);
}

const std::array<runtime::ClickBinding, 4> recordingBindings{{
    {cmdConvertEuroToPunt, recordClick<cmdConvertEuroToPunt>},
    {cmdConvertPuntToEuro, recordClick<cmdConvertPuntToEuro>},
    {cmdClear, recordClick<cmdClear>},
    {cmdExit, recordClick<cmdExit>},
}};

runtime::ProjectDescriptor recordingProject()
{
    runtime::ProjectDescriptor project = window::project;
    project.clickBindings = recordingBindings;
    return project;
}

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

// The window shown, focus on Exit, as the program starts.
struct ShownWindow {
    explicit ShownWindow(const runtime::ProjectDescriptor& project, int dpi = 96)
        : host(project, GetModuleHandleW(nullptr), dpi)
    {
        host.window().show(SW_SHOWNORMAL);
        host.processPendingMessages();
        clicks.clear();
    }

    HWND control(std::string_view name) { return host.window().control(name); }

    // Posts what the keyboard would send to the focused control, and runs it.
    void press(UINT message, WPARAM key)
    {
        const LPARAM altDown = message == WM_SYSCHAR ? LPARAM{1} << 29 : 0;
        PostMessageW(GetFocus(), message, key, altDown | 1);
        if (message == WM_KEYDOWN && key == VK_SPACE)
            PostMessageW(GetFocus(), WM_KEYUP, key, 1);
        host.processPendingMessages();
    }

    win32host::Win32Host host;
};

// Answers the next message box of this thread with OK, remembering what it
// showed: its caption, its prompt (static control 0xFFFF) and its buttons.
struct MessageBoxSeen {
    std::wstring caption, prompt;
    int buttons = 0;
} seen;

BOOL CALLBACK countButton(HWND child, LPARAM)
{
    std::array<wchar_t, 16> kind{};
    GetClassNameW(child, kind.data(), static_cast<int>(kind.size()));
    seen.buttons += std::wstring(kind.data()) == L"Button";
    return TRUE;
}

BOOL CALLBACK answerIfMessageBox(HWND box, LPARAM)
{
    if (!GetDlgItem(box, 0xFFFF))
        return TRUE;
    seen = {textOf(box), textOf(GetDlgItem(box, 0xFFFF)), 0};
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

} // namespace

TEST_CASE("a fixed frame, and controls in their places and sizes at 96 and 144 dots per inch")
{
    for (const int dpi : {96, 144}) {
        CAPTURE(dpi);
        win32host::Win32Host host(window::project, GetModuleHandleW(nullptr), dpi);
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
        }
    }
}

TEST_CASE("each control gets its stored font or the window's, sized for the density")
{
    for (const int dpi : {96, 144}) {
        win32host::Win32Host host(window::project, GetModuleHandleW(nullptr), dpi);
        for (const ControlDefinition& row : window::frmEuroDefinition.controls) {
            INFO(std::string(row.name));
            CAPTURE(dpi);
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

TEST_CASE("the focus starts on Exit and Tab cycles the buttons and fields in tab order")
{
    ShownWindow shown(recordingProject());
    CHECK(GetFocus() == shown.control(cmdExit));
    for (const std::string_view next :
         {cmdConvertPuntToEuro, txtEuro, txtPunt, cmdClear, cmdConvertEuroToPunt, cmdExit}) {
        shown.press(WM_KEYDOWN, VK_TAB);
        CHECK(GetFocus() == shown.control(next));
    }
}

TEST_CASE("keys click a button only through its access key or while it has the focus")
{
    struct Row {
        const char* name;
        std::string_view focus;
        UINT message;
        WPARAM key;
        std::vector<std::string_view> clicked;
    };
    const std::array<Row, 8> rows{{
        {"Enter on a focused button", cmdExit, WM_KEYDOWN, VK_RETURN, {cmdExit}},
        {"Space on a focused button", cmdClear, WM_KEYDOWN, VK_SPACE, {cmdClear}},
        {"Enter in a field", txtEuro, WM_KEYDOWN, VK_RETURN, {}},
        {"Escape on a button", cmdClear, WM_KEYDOWN, VK_ESCAPE, {}},
        {"Alt+N in a field", txtPunt, WM_SYSCHAR, 'n', {cmdConvertEuroToPunt}},
        {"Alt+O on a button", cmdExit, WM_SYSCHAR, 'o', {cmdConvertPuntToEuro}},
        {"Alt+C in a field", txtEuro, WM_SYSCHAR, 'c', {cmdClear}},
        {"Alt+X on a button", cmdClear, WM_SYSCHAR, 'x', {cmdExit}},
    }};
    for (const Row& row : rows) {
        INFO(std::string(row.name));
        ShownWindow shown(recordingProject());
        SetFocus(shown.control(row.focus));
        shown.press(row.message, row.key);
        CHECK(clicks == row.clicked);
    }
}

TEST_CASE("a plain letter on a focused button clicks nothing and changes nothing")
{
    for (const std::string_view button :
         {cmdExit, cmdConvertPuntToEuro, cmdClear, cmdConvertEuroToPunt}) {
        for (const wchar_t letter : {L'x', L'c', L'n', L'o', L'X', L'a'}) {
            INFO(std::string(button), " with ", std::string(1, static_cast<char>(letter)));
            ShownWindow shown(recordingProject());
            SetWindowTextW(shown.control(txtPunt), L"12");
            SetWindowTextW(shown.control(txtEuro), L"34");
            SetFocus(shown.control(button));
            shown.press(WM_CHAR, letter);
            CHECK(clicks.empty());
            CHECK(textOf(shown.control(txtPunt)) == L"12");
            CHECK(textOf(shown.control(txtEuro)) == L"34");
            CHECK(GetFocus() == shown.control(button));
        }
    }
}

TEST_CASE("a screen reader names each field after its caption")
{
    ShownWindow shown(window::project);
    CHECK(accessibleName(shown.control(txtPunt)) == L"Punt here.");
    CHECK(accessibleName(shown.control(txtEuro)) == L"Euro here.");
}

TEST_CASE("a message box shows the prompt with OK alone, and both fields keep their text")
{
    struct Row {
        const char* name;
        const wchar_t* punt;
        const wchar_t* promptPart;
    };
    for (const Row& row :
         {Row{"empty punt field", L"", L"Put a value into the currency box"},
          Row{"letters in the punt field", L"abc", L"The text \"abc\" is not a number"}}) {
        INFO(std::string(row.name));
        ShownWindow shown(window::project);
        SetWindowTextW(shown.control(txtPunt), row.punt);
        SetWindowTextW(shown.control(txtEuro), L"7");
        SetFocus(shown.control(txtPunt));
        answerNextMessageBox();
        shown.press(WM_SYSCHAR, 'o');

        CHECK(seen.caption == L"Dur Azor Uvuridaro");
        CHECK(seen.prompt.find(row.promptPart) != std::wstring::npos);
        CHECK(seen.buttons == 1);
        // Wine's message font has no glyph for the isolates around the
        // quoted text: they are left out, not drawn as boxes.
        CHECK(seen.prompt.find_first_of(L"\u2068\u2069") == std::wstring::npos);
        CHECK(textOf(shown.control(txtPunt)) == row.punt);
        CHECK(textOf(shown.control(txtEuro)) == L"7");
        CHECK(GetFocus() == shown.control(txtPunt));
    }
}

TEST_CASE("a written field shows its text from the first character")
{
    ShownWindow shown(window::project);
    HWND euro = shown.control(txtEuro);
    const std::wstring longText(200, L'8');
    SetFocus(euro);
    SetWindowTextW(euro, longText.c_str());
    const auto end = static_cast<LPARAM>(longText.size());
    SendMessageW(euro, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageW(euro, EM_SCROLLCARET, 0, 0);
    REQUIRE(SendMessageW(euro, EM_GETFIRSTVISIBLELINE, 0, 0) > 0);

    shown.host.setFieldText(txtEuro, u"-1.6973807842918E+307 and a tail beyond the field's width");
    CHECK(SendMessageW(euro, EM_GETFIRSTVISIBLELINE, 0, 0) == 0);
}

TEST_CASE("Exit and closing the window both end the message loop with status 0")
{
    for (const UINT message : {UINT{WM_SYSCHAR}, UINT{WM_CLOSE}}) {
        CAPTURE(message);
        win32host::Win32Host host(window::project, GetModuleHandleW(nullptr), 96);
        HWND target = message == WM_CLOSE ? host.window().handle() : host.window().control(cmdExit);
        PostMessageW(target, message, 'x', LPARAM{1} << 29);
        CHECK(host.run(SW_SHOWNORMAL) == 0);
        CHECK(host.window().handle() == nullptr);
    }
}

#include "MainWindow.h"

#include "hosts/win32/DeviceContext.h"
#include "hosts/win32/Win32Text.h"
#include "runtime/ClickDispatch.h"
#include "runtime/MessageText.h"
#include "runtime/WindowContract.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

namespace win32host {

namespace {

constexpr wchar_t windowClassName[] = L"PuntConverterForm";
constexpr DWORD frameStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD frameExStyle = WS_EX_CONTROLPARENT;
// Above IDOK and IDCANCEL, which the system sends for Enter and Escape.
constexpr int firstControlId = 100;
constexpr double pointsPerInch = 72.0;

COLORREF toColorRef(runtime::Rgb colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ControlClass controlClass(const runtime::ControlDefinition& row)
{
    switch (row.kind) {
    case runtime::ControlKind::PushButton:
        return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case runtime::ControlKind::TextField:
        return {L"EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case runtime::ControlKind::Label:
        break;
    }
    const DWORD wrap = row.look.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
    return {L"STATIC", SS_NOPREFIX | wrap,
            static_cast<DWORD>(row.look.sunkenBorder ? WS_EX_CLIENTEDGE : 0)};
}

void registerWindowClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = windowClassName;
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw std::runtime_error("the window class could not be registered");
}

} // namespace

MainWindow::MainWindow(const runtime::WindowDefinition& definition,
                       std::span<const runtime::ClickBinding> bindings, runtime::Host& host,
                       HINSTANCE instance, int dpi)
    : definition_(definition)
    , bindings_(bindings)
    , host_(host)
    , instance_(instance)
    , dpi_(dpi)
{
    registerWindowClass(instance, procedure);
    RECT frame{0, 0, pixels(definition.clientWidth), pixels(definition.clientHeight)};
    AdjustWindowRectEx(&frame, frameStyle, FALSE, frameExStyle);
    const std::wstring title = toWide(definition.title);
    CreateWindowExW(frameExStyle, windowClassName, title.c_str(), frameStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                    nullptr, instance, this);
    if (pending_)
        std::rethrow_exception(std::exchange(pending_, nullptr));
    if (!window_)
        throw std::runtime_error("the window could not be created");
}

MainWindow::~MainWindow()
{
    destroy();
}

void MainWindow::destroy()
{
    if (window_)
        DestroyWindow(window_);
}

HWND MainWindow::control(std::string_view name) const
{
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [name](const Control& c) { return c.row->name == name; });
    return found == controls_.end() ? nullptr : found->handle;
}

void MainWindow::show(int showCommand)
{
    RECT frame{};
    RECT workArea{};
    GetWindowRect(window_, &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(window_, nullptr, workArea.left + (workArea.right - workArea.left - width) / 2,
                 workArea.top + (workArea.bottom - workArea.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window_, showCommand);
    if (focusOnActivation_)
        SetFocus(focusOnActivation_);
    SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL),
                 0);
    UpdateWindow(window_);
}

void MainWindow::process(MSG& message)
{
    if (window_ && (message.hwnd == window_ || IsChild(window_, message.hwnd)) &&
        handleKey(message))
        return;
    // The keyboard handling would also take a bare letter typed on a button
    // as that button's access key; here access keys need Alt, and a letter
    // is for a text field alone.
    const bool bareCharacter = message.message == WM_CHAR;
    if (!window_ || bareCharacter || !IsDialogMessageW(window_, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (pending_)
        std::rethrow_exception(std::exchange(pending_, nullptr));
}

// Access keys, Enter and Escape as the window's rules say.  The keyboard
// handling would send Enter and Escape on to a default or cancel button,
// click again for each repeat of a held Enter, and move the focus to the
// button of an access key; here the focus stays where the user left it.
bool MainWindow::handleKey(const MSG& message)
{
    const Control* button = nullptr;
    if (message.message == WM_SYSCHAR) {
        button =
            find(runtime::buttonWithAccessKey(definition_, static_cast<char16_t>(message.wParam)));
    } else if (message.message == WM_KEYDOWN &&
               (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE)) {
        const auto key =
            message.wParam == VK_RETURN ? runtime::DialogKey::Enter : runtime::DialogKey::Escape;
        const bool repeated = (message.lParam & (LPARAM{1} << 30)) != 0;
        const Control* focused = find(GetFocus());
        if (focused && runtime::dialogKeyClicks(key, *focused->row, repeated))
            click(*focused);
        return true;
    }
    if (button)
        click(*button);
    return button != nullptr;
}

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    // Exceptions cannot cross the system's frames: keep the first one for
    // process() or the constructor to rethrow.
    try {
        return self->handleMessage(message, wParam, lParam);
    } catch (...) {
        if (!self->pending_)
            self->pending_ = std::current_exception();
        return message == WM_CREATE ? -1 : 0;
    }
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        onCreate();
        return 0;
    case WM_ERASEBKGND:
        return 1; // the picture covers the whole client area
    case WM_PAINT:
        onPaint();
        return 0;
    case WM_COMMAND:
        onCommand(wParam, lParam);
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return onCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATE:
        onActivate(wParam);
        return 0;
    case WM_DESTROY:
        onDestroy();
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        window_ = nullptr;
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void MainWindow::onCreate()
{
    const SIZE client{pixels(definition_.clientWidth), pixels(definition_.clientHeight)};
    picture_.emplace(instance_, definition_.picture, client, dpi_,
                     toColorRef(definition_.backColour));
    createControls();
    describeForScreenReaders();
}

void MainWindow::createControls()
{
    // Tab follows creation order.
    const std::vector<const runtime::ControlDefinition*> rows = runtime::creationOrder(definition_);
    controls_.reserve(rows.size());
    int id = firstControlId;
    for (const runtime::ControlDefinition* row : rows)
        createControl(*row, id++);

    if (const Control* first = find(runtime::firstFocus(definition_)))
        focusOnActivation_ = first->handle;
}

void MainWindow::createControl(const runtime::ControlDefinition& row, int id)
{
    const ControlClass kind = controlClass(row);
    const HFONT font = createFont(row.font.value_or(definition_.font));
    const RECT place = placement(row, font, WS_CHILD | kind.style, kind.exStyle);
    const std::wstring text = toWide(row.text);
    HWND handle = CreateWindowExW(
        kind.exStyle, kind.name, text.c_str(), WS_CHILD | WS_VISIBLE | kind.style, place.left,
        place.top, place.right - place.left, place.bottom - place.top, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    if (!handle)
        throw std::runtime_error("a control could not be created");
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (row.kind == runtime::ControlKind::TextField)
        SendMessageW(handle, EM_SETLIMITTEXT, 0, 0); // no limit but the system's

    GdiObject<HBRUSH> background;
    if (row.kind == runtime::ControlKind::Label && row.look.backColour)
        background = ownGdiObject(CreateSolidBrush(toColorRef(*row.look.backColour)),
                                  "no brush for a label");
    controls_.push_back(
        {&row, handle, runtime::clickHandlerOf(bindings_, row.name), std::move(background)});
}

RECT MainWindow::placement(const runtime::ControlDefinition& row, HFONT font, DWORD style,
                           DWORD exStyle) const
{
    const int left = pixels(row.left);
    const int top = pixels(row.top);
    const RECT stored{left, top, left + pixels(row.width), top + pixels(row.height)};
    if (row.look.sizing == runtime::Sizing::Stored)
        return stored;

    RECT border{};
    AdjustWindowRectEx(&border, style, FALSE, exStyle);
    const int borderWidth = border.right - border.left;
    const int borderHeight = border.bottom - border.top;
    RECT text{0, 0, stored.right - stored.left - borderWidth, 0};
    const UINT format = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS |
                        (row.look.wordWrap ? DT_WORDBREAK : DT_SINGLELINE);
    const std::wstring caption = toWide(row.text);
    DeviceContext screen = DeviceContext::ofWindow(nullptr);
    screen.select(font);
    DrawTextW(screen.get(), caption.c_str(), static_cast<int>(caption.size()), &text, format);

    const int width = row.look.sizing == runtime::Sizing::ToText ? text.right + borderWidth
                                                                 : stored.right - stored.left;
    return {left, top, left + width, top + text.bottom + borderHeight};
}

HFONT MainWindow::createFont(const runtime::FontSpec& stored)
{
    LOGFONTW logical{};
    logical.lfHeight = -std::lround(stored.points * dpi_ / pointsPerInch);
    logical.lfWeight = stored.weight;
    logical.lfCharSet = ANSI_CHARSET;
    const std::wstring face = toWide(stored.face);
    face.copy(logical.lfFaceName, LF_FACESIZE - 1);
    fonts_.push_back(ownGdiObject(CreateFontIndirectW(&logical), "a font could not be created"));
    return fonts_.back().get();
}

void MainWindow::describeForScreenReaders()
{
    for (const runtime::AccessibleText& text : definition_.accessibleTexts) {
        HWND target = control(text.control);
        if (!target)
            throw std::logic_error(runtime::messages::noControlNamed(text.control));
        annotations_.annotate(target, text.name, text.description);
    }
}

void MainWindow::onPaint()
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window_, &paint);
    picture_->paint(dc);
    EndPaint(window_, &paint);
}

void MainWindow::onCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED)
        if (const Control* button = find(reinterpret_cast<HWND>(lParam)))
            click(*button);
}

void MainWindow::click(const Control& button)
{
    if (button.handler)
        runtime::deliverClick(host_, button.handler);
}

LRESULT MainWindow::onCtlColor(HDC dc, HWND handle)
{
    const Control* control = find(handle);
    if (!control || !picture_)
        return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(handle));
    const runtime::ControlLook& look = control->row->look;
    const std::optional<runtime::Rgb> text = runtime::shownTextColour(look);
    SetTextColor(dc, text ? toColorRef(*text) : GetSysColor(COLOR_BTNTEXT));
    if (control->background) {
        SetBkColor(dc, toColorRef(*look.backColour));
        return reinterpret_cast<LRESULT>(control->background.get());
    }
    SetBkMode(dc, TRANSPARENT);
    POINT origin{0, 0};
    MapWindowPoints(handle, window_, &origin, 1);
    return reinterpret_cast<LRESULT>(picture_->brushBehind(dc, origin));
}

void MainWindow::onActivate(WPARAM wParam)
{
    // Left alone, activation would put the focus on the frame itself.
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window_, focus))
            focusOnActivation_ = focus;
    } else if (focusOnActivation_ && IsWindow(focusOnActivation_)) {
        SetFocus(focusOnActivation_);
    }
}

void MainWindow::onDestroy()
{
    annotations_.clear();
}

const MainWindow::Control* MainWindow::find(HWND handle) const
{
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [handle](const Control& c) { return c.handle == handle; });
    return found == controls_.end() ? nullptr : &*found;
}

const MainWindow::Control* MainWindow::find(const runtime::ControlDefinition* row) const
{
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [row](const Control& c) { return c.row == row; });
    return found == controls_.end() ? nullptr : &*found;
}

int MainWindow::pixels(runtime::Twips twips) const
{
    return runtime::twipsToPixels(twips, dpi_);
}

} // namespace win32host

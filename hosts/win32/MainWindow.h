#pragma once

#include "hosts/win32/AccessibleAnnotations.h"
#include "hosts/win32/GdiObject.h"
#include "hosts/win32/WindowPicture.h"
#include "runtime/Host.h"
#include "runtime/WindowDefinition.h"

#include <windows.h>

#include <exception>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace win32host {

// A window built from its stored definition for a screen of a given
// density: fixed size, the picture painted from the top-left corner, the
// controls created in runtime::creationOrder(), placed, sized and coloured
// after their rows, and annotated for screen readers.  Keys follow the
// window's rules in runtime/WindowContract.h; each click of a bound button
// goes to its handler on the host.
class MainWindow {
public:
    // Builds the window hidden.  Throws std::logic_error for a definition
    // that gives an accessible text to a control it does not have,
    // std::runtime_error when Windows refuses a window or a resource is
    // missing.
    MainWindow(const runtime::WindowDefinition& definition,
               std::span<const runtime::ClickBinding> bindings, runtime::Host& host,
               HINSTANCE instance, int dpi);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Null once the window is destroyed.
    HWND handle() const noexcept { return window_; }
    // The control of that name, or nullptr.
    HWND control(std::string_view name) const;

    // Centres the window on the work area, shows it with the focus on the
    // first control in tab order, and shows focus rectangles and access keys
    // from the first frame.
    void show(int showCommand);
    void destroy();

    // Gives one message of the thread's queue to the window's keyboard
    // handling (Tab, access keys, Enter) or else to its target window.
    // Rethrows what a message handler threw.
    void process(MSG& message);

private:
    struct Control {
        const runtime::ControlDefinition* row;
        HWND handle;
        runtime::ClickHandler handler; // null for a control no click is bound to
        GdiObject<HBRUSH> background;  // null when transparent or not a label
    };

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void onCreate();
    void onPaint();
    void onCommand(WPARAM wParam, LPARAM lParam);
    LRESULT onCtlColor(HDC dc, HWND control);
    void onActivate(WPARAM wParam);
    void onDestroy();

    void createControls();
    void createControl(const runtime::ControlDefinition& row, int id);
    RECT placement(const runtime::ControlDefinition& row, HFONT font, DWORD style,
                   DWORD exStyle) const;
    HFONT createFont(const runtime::FontSpec& stored);
    void describeForScreenReaders();
    const Control* find(HWND handle) const;
    const Control* find(const runtime::ControlDefinition* row) const;
    bool handleKey(const MSG& message);
    void click(const Control& button);
    int pixels(runtime::Twips twips) const;

    const runtime::WindowDefinition& definition_;
    std::span<const runtime::ClickBinding> bindings_;
    runtime::Host& host_;
    HINSTANCE instance_;
    int dpi_;
    HWND window_ = nullptr;
    std::optional<WindowPicture> picture_;
    std::vector<GdiObject<HFONT>> fonts_;
    std::vector<Control> controls_; // in creation order: tab order, labels before their fields
    HWND focusOnActivation_ = nullptr;
    AccessibleAnnotations annotations_;
    std::exception_ptr pending_;
};

} // namespace win32host

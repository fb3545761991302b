#pragma once

#include <windows.h>

#include <string_view>

namespace win32host {

// Raises UI Automation notifications, which screen readers such as Narrator
// speak without the focus moving.  The call exists from Windows 10 1709 on
// and is looked up when the program starts, so that older systems (and Wine
// 8, which lacks it) still run the program, silently.
class UiaAnnouncer {
public:
    // The two functions of uiautomationcore.dll used here, as plain pointers
    // so that a test can stand in for the system.
    using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND window, IUnknown** provider);
    using RaiseNotificationEvent = HRESULT(WINAPI*)(IUnknown* provider, int kind, int processing,
                                                    BSTR text, BSTR activity);
    struct Functions {
        HostProviderFromHwnd hostProviderFromHwnd = nullptr;
        RaiseNotificationEvent raiseNotificationEvent = nullptr;
    };

    // Looked up in the system's uiautomationcore.dll; null where it is
    // missing or lacks them.
    static Functions systemFunctions();

    explicit UiaAnnouncer(Functions functions = systemFunctions());

    bool available() const;

    // Says the text on behalf of the window, replacing any earlier
    // announcement of this program still waiting to be spoken.
    void announce(HWND window, std::wstring_view text) const;

private:
    Functions functions_;
};

} // namespace win32host

#include "UiaAnnouncer.h"

#include <oleauto.h>

namespace win32host {

namespace {

// NotificationKind_ActionCompleted and NotificationProcessing_ImportantMostRecent;
// mingw-w64's headers do not declare them.
constexpr int actionCompleted = 2;
constexpr int importantMostRecent = 1;
constexpr std::wstring_view activityId = L"punt-converter.result";

template <typename Function>
Function lookUp(HMODULE library, const char* name)
{
    // GetProcAddress returns a generic function pointer; its caller knows the type.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

BSTR toBstr(std::wstring_view text)
{
    return SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

} // namespace

UiaAnnouncer::Functions UiaAnnouncer::systemFunctions()
{
    // Only the system's copy: never one that lies beside the program.
    HMODULE library =
        LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!library)
        return {};
    Functions found{
        lookUp<HostProviderFromHwnd>(library, "UiaHostProviderFromHwnd"),
        lookUp<RaiseNotificationEvent>(library, "UiaRaiseNotificationEvent"),
    };
    if (!found.hostProviderFromHwnd || !found.raiseNotificationEvent) {
        FreeLibrary(library);
        return {};
    }
    return found; // the library stays loaded while the program runs
}

UiaAnnouncer::UiaAnnouncer(Functions functions)
    : functions_(functions)
{
}

bool UiaAnnouncer::available() const
{
    return functions_.hostProviderFromHwnd && functions_.raiseNotificationEvent;
}

void UiaAnnouncer::announce(HWND window, std::wstring_view text) const
{
    if (!available())
        return;
    IUnknown* provider = nullptr;
    if (FAILED(functions_.hostProviderFromHwnd(window, &provider)) || !provider)
        return;
    BSTR spoken = toBstr(text);
    BSTR activity = toBstr(activityId);
    // A screen reader that does not listen makes this fail; nothing is lost.
    functions_.raiseNotificationEvent(provider, actionCompleted, importantMostRecent, spoken,
                                      activity);
    SysFreeString(activity);
    SysFreeString(spoken);
    provider->Release();
}

} // namespace win32host

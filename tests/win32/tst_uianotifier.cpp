#include "hosts/win32/UiaNotifier.h"

#include "hosts/win32/Win32Host.h"
#include "window/ControlNames.h"
#include "window/FrmEuro.h"

#include <doctest/doctest.h>

#include <string>
#include <vector>

namespace {

using namespace window::names;

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

TEST_CASE("each button's outcome is raised once as a notification, with the sentence whole")
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
            win32host::UiaNotifier({hostProviderFromHwnd, raiseNotificationEvent}));
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

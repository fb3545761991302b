#include "Win32Host.h"

#include "hosts/win32/DeviceContext.h"
#include "hosts/win32/ShownText.h"
#include "hosts/win32/Win32Text.h"
#include "runtime/ClickDispatch.h"
#include "runtime/MessageText.h"
#include "runtime/RuntimeError.h"
#include "runtime/StartFailure.h"
#include "runtime/WindowContract.h"

#include <commctrl.h>

#include <stdexcept>
#include <string>

namespace win32host {

namespace {

void setIcons(HWND window, HINSTANCE instance, std::string_view name)
{
    struct IconSize {
        WPARAM which;
        int widthMetric;
        int heightMetric;
    };
    const std::wstring resource = toWide(name);
    for (const IconSize size : {IconSize{ICON_BIG, SM_CXICON, SM_CYICON},
                                IconSize{ICON_SMALL, SM_CXSMICON, SM_CYSMICON}}) {
        // Shared icons belong to the system, which frees them.
        HANDLE icon =
            LoadImageW(instance, resource.c_str(), IMAGE_ICON, GetSystemMetrics(size.widthMetric),
                       GetSystemMetrics(size.heightMetric), LR_SHARED);
        if (!icon)
            throw std::runtime_error(runtime::messages::missingIcon(name));
        SendMessageW(window, WM_SETICON, size.which, reinterpret_cast<LPARAM>(icon));
    }
}

} // namespace

Win32Host::Win32Host(const runtime::ProgramDescriptor& program, HINSTANCE instance, int dpi,
                     UiaAnnouncer announcer)
    : program_(runtime::checkedDescriptor(program))
    , window_(program.definition, program.clickBindings, *this, instance, dpi)
    , fields_(program.definition, [this](std::string_view name) { return window_.control(name); })
    , announcer_(announcer)
{
    setIcons(window_.handle(), instance, program.icon);
}

runtime::FieldText Win32Host::fieldText(std::string_view field)
{
    HWND edit = fields_.require(field);
    const auto length = static_cast<std::size_t>(GetWindowTextLengthW(edit));
    std::wstring text(length + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return toFieldText(text);
}

void Win32Host::setFieldText(std::string_view field, std::u16string_view text)
{
    HWND edit = fields_.require(field);
    const std::wstring wide = toWide(text);
    if (!SetWindowTextW(edit, wide.c_str()))
        throw runtime::RuntimeError(runtime::ErrorCode::FieldAccessFailed,
                                    runtime::messages::fieldNotWritten(field));
}

void Win32Host::showMessage(std::u16string_view prompt)
{
    const std::wstring text = shownInMessageBox(toWide(prompt));
    const std::wstring title = toWide(program_.definition.title);
    // While the box shows, the window is disabled; its activation
    // afterwards gives the focus back to the control that had it.
    if (!MessageBoxW(window_.handle(), text.c_str(), title.c_str(), MB_OK))
        throw std::runtime_error("the message box could not be shown");
}

void Win32Host::announce(std::u16string_view sentence)
{
    announcer_.announce(window_.handle(), toWide(sentence));
}

void Win32Host::end()
{
    window_.destroy();
}

int Win32Host::run(int showCommand)
{
    window_.show(showCommand);
    MSG message{};
    while (window_.handle()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(message.wParam);
        if (got == -1)
            throw std::runtime_error("the message queue failed");
        window_.process(message);
    }
    return 0;
}

void Win32Host::processPendingMessages()
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message != WM_QUIT)
            window_.process(message);
}

int systemDpi()
{
    const DeviceContext screen = DeviceContext::ofWindow(nullptr);
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

int start(HINSTANCE instance, int showCommand, const runtime::ProgramDescriptor& program)
{
    try {
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&classes);
        Win32Host host(program, instance, systemDpi());
        return host.run(showCommand);
    } catch (const std::exception& error) {
        const std::string report = runtime::reportStartFailure(error.what());
        const std::wstring title = toWide(program.definition.title);
        MessageBoxW(nullptr, toWide(std::string_view(report)).c_str(), title.c_str(),
                    MB_OK | MB_ICONERROR);
        return 1;
    }
}

} // namespace win32host

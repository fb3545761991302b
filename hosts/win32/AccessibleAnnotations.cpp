#include "AccessibleAnnotations.h"

#include "hosts/win32/Win32Text.h"

#include <array>
#include <string>

namespace win32host {

namespace {

HRESULT setText(IAccPropServices& services, HWND control, const MSAAPROPID& property,
                std::u16string_view text)
{
    const std::wstring wide = toWide(text);
    return services.SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                   property, wide.c_str());
}

} // namespace

AccessibleAnnotations::AccessibleAnnotations()
{
    comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&services_))))
        services_ = nullptr;
}

AccessibleAnnotations::~AccessibleAnnotations()
{
    clear();
    if (services_)
        services_->Release();
    if (comStarted_)
        CoUninitialize();
}

bool AccessibleAnnotations::annotate(HWND control, std::u16string_view name,
                                     std::u16string_view description)
{
    if (!services_)
        return false;
    annotated_.push_back(control);
    return SUCCEEDED(setText(*services_, control, PROPID_ACC_NAME, name)) &&
           SUCCEEDED(setText(*services_, control, PROPID_ACC_DESCRIPTION, description));
}

void AccessibleAnnotations::clear()
{
    if (!services_)
        return;
    std::array<MSAAPROPID, 2> properties{PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    for (HWND control : annotated_)
        services_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                  properties.data(), static_cast<int>(properties.size()));
    annotated_.clear();
}

} // namespace win32host

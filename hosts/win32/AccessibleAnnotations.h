#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string_view>
#include <vector>

namespace win32host {

// Names and descriptions that screen readers read for a control instead of
// what they would guess from its text, set through the platform's
// annotation service.  Where the service is missing nothing is annotated
// and the controls keep their usual accessible names.
class AccessibleAnnotations {
public:
    AccessibleAnnotations();
    ~AccessibleAnnotations();
    AccessibleAnnotations(const AccessibleAnnotations&) = delete;
    AccessibleAnnotations& operator=(const AccessibleAnnotations&) = delete;

    // False when the service refused.
    bool annotate(HWND control, std::u16string_view name, std::u16string_view description);

    // Removes every annotation, before the controls go away.
    void clear();

private:
    bool comStarted_ = false;
    IAccPropServices* services_ = nullptr;
    std::vector<HWND> annotated_;
};

} // namespace win32host

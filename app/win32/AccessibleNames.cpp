#include "app/win32/AccessibleNames.h"

#include <initguid.h>
#include <oleacc.h>

#include <string>

namespace tavrosk::win32 {

void SetAccessibleName(HWND control, std::u16string_view name) {
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&services))))
        return;
    const std::wstring text(name.begin(), name.end());
    services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME, text.c_str());
    services->Release();
}

} // namespace tavrosk::win32

#include "export/excel/LateBound.h"

#include "model/OperationFailed.h"

#include <cstdio>
#include <utility>

namespace tavrosk::excel {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "BSTR text is UTF-16");

// For the technical cause, which is UTF-8.
std::string utf8(const wchar_t* text) {
    std::string out;
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length > 1) {
        out.resize(static_cast<size_t>(length));
        WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), length, nullptr, nullptr);
        out.pop_back();  // the terminating NUL
    }
    return out;
}

// One VARIANT, cleared (its BSTR freed, its object released) when it goes.
class Variant {
public:
    Variant() { VariantInit(&value_); }
    ~Variant() { VariantClear(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;

    VARIANT* get() { return &value_; }

    // Hands the object out of the VARIANT; null if it holds none.
    ComRef<IDispatch> takeObject() {
        if (V_VT(&value_) != VT_DISPATCH)
            return {};
        auto object = ComRef<IDispatch>::adopt(std::exchange(V_DISPATCH(&value_), nullptr));
        V_VT(&value_) = VT_EMPTY;
        return object;
    }

private:
    VARIANT value_;
};

// The EXCEPINFO an Invoke may fill; its BSTRs are freed when it goes.
class ExceptionInfo {
public:
    ExceptionInfo() = default;
    ExceptionInfo(const ExceptionInfo&) = delete;
    ExceptionInfo& operator=(const ExceptionInfo&) = delete;
    ~ExceptionInfo() {
        SysFreeString(info_.bstrSource);
        SysFreeString(info_.bstrDescription);
        SysFreeString(info_.bstrHelpFile);
    }

    EXCEPINFO* get() { return &info_; }

    std::string describe() {
        if (info_.pfnDeferredFillIn) {
            info_.pfnDeferredFillIn(&info_);
            info_.pfnDeferredFillIn = nullptr;
        }
        std::string text;
        if (info_.scode != 0)
            text += "; scode " + HresultText(info_.scode);
        else if (info_.wCode != 0)
            text += "; wCode " + std::to_string(info_.wCode);
        if (info_.bstrSource)
            text += "; source \"" + utf8(info_.bstrSource) + "\"";
        if (info_.bstrDescription)
            text += "; \"" + utf8(info_.bstrDescription) + "\"";
        return text;
    }

private:
    EXCEPINFO info_{};
};

const char* kindName(WORD kind) {
    switch (kind) {
    case DISPATCH_METHOD: return "method";
    case DISPATCH_PROPERTYGET: return "get";
    case DISPATCH_PROPERTYPUT: return "put";
    default: return "call";
    }
}

[[noreturn]] void fail(std::u16string_view step, const wchar_t* member, WORD kind, const std::string& what) {
    throw OperationFailed(std::u16string(step),
                          "Excel \"" + utf8(member) + "\" (" + kindName(kind) + "): " + what);
}

void setText(VARIANT* argument, std::u16string_view text, const wchar_t* member, WORD kind,
             std::u16string_view step) {
    const BSTR bstr = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                        static_cast<UINT>(text.size()));
    if (!bstr)
        fail(step, member, kind, "SysAllocStringLen failed");
    V_VT(argument) = VT_BSTR;
    V_BSTR(argument) = bstr;
}

// One late-bound call with at most one positional argument. A put passes its
// value as the named argument DISPID_PROPERTYPUT and asks for no result.
void invoke(IDispatch* target, const wchar_t* member, WORD kind, VARIANT* argument, Variant* result,
            std::u16string_view step) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR name = const_cast<LPOLESTR>(member);
    HRESULT hr = target->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr))
        fail(step, member, kind, "GetIDsOfNames failed with HRESULT " + HresultText(hr));

    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{};
    if (argument) {
        params.rgvarg = argument;
        params.cArgs = 1;
    }
    if (kind == DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }
    ExceptionInfo exception;
    UINT argumentError = 0;
    hr = target->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, result ? result->get() : nullptr,
                        exception.get(), &argumentError);
    if (FAILED(hr)) {
        std::string what = "Invoke failed with HRESULT " + HresultText(hr);
        if (hr == DISP_E_EXCEPTION)
            what += exception.describe();
        fail(step, member, kind, what);
    }
}

ComRef<IDispatch> objectResult(Variant& result, const wchar_t* member, WORD kind, std::u16string_view step) {
    const VARTYPE type = V_VT(result.get());
    ComRef<IDispatch> object = result.takeObject();
    if (!object)
        fail(step, member, kind, "returned VARTYPE " + std::to_string(type) + " instead of an object");
    return object;
}

} // namespace

ComRef<IDispatch> GetObject(IDispatch* target, const wchar_t* member, std::u16string_view step) {
    Variant result;
    invoke(target, member, DISPATCH_PROPERTYGET, nullptr, &result, step);
    return objectResult(result, member, DISPATCH_PROPERTYGET, step);
}

ComRef<IDispatch> GetObject(IDispatch* target, const wchar_t* member, std::u16string_view argument,
                            std::u16string_view step) {
    Variant text;
    setText(text.get(), argument, member, DISPATCH_PROPERTYGET, step);
    Variant result;
    invoke(target, member, DISPATCH_PROPERTYGET, text.get(), &result, step);
    return objectResult(result, member, DISPATCH_PROPERTYGET, step);
}

void PutText(IDispatch* target, const wchar_t* member, std::u16string_view value, std::u16string_view step) {
    Variant text;
    setText(text.get(), value, member, DISPATCH_PROPERTYPUT, step);
    invoke(target, member, DISPATCH_PROPERTYPUT, text.get(), nullptr, step);
}

void PutBool(IDispatch* target, const wchar_t* member, bool value, std::u16string_view step) {
    Variant truth;
    V_VT(truth.get()) = VT_BOOL;
    V_BOOL(truth.get()) = value ? VARIANT_TRUE : VARIANT_FALSE;
    invoke(target, member, DISPATCH_PROPERTYPUT, truth.get(), nullptr, step);
}

ComRef<IDispatch> CallForObject(IDispatch* target, const wchar_t* member, std::u16string_view step) {
    Variant result;
    invoke(target, member, DISPATCH_METHOD, nullptr, &result, step);
    return objectResult(result, member, DISPATCH_METHOD, step);
}

void CallMethod(IDispatch* target, const wchar_t* member, std::u16string_view step) {
    Variant result;
    invoke(target, member, DISPATCH_METHOD, nullptr, &result, step);
}

std::string HresultText(HRESULT result) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(result));
    return text;
}

} // namespace tavrosk::excel

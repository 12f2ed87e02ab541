#include "export/excel/LateBound.h"

#include "model/OperationFailed.h"

#include <cstdio>
#include <memory>
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
    HRESULT code() const { return info_.scode; }

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

// The application's process has ended or crashed, or let go of the object.
bool isGone(HRESULT result) {
    switch (static_cast<unsigned long>(result)) {
    case 0x80010108:  // RPC_E_DISCONNECTED
    case 0x800706BA:  // RPC_S_SERVER_UNAVAILABLE
    case 0x800706BE:  // RPC_S_CALL_FAILED
    case 0x800706BF:  // RPC_S_CALL_FAILED_DNE
    case 0x800401FD:  // CO_E_OBJNOTCONNECTED
    case 0x80010105:  // RPC_E_SERVERFAULT
        return true;
    default:
        return false;
    }
}

[[noreturn]] void fail(const Caller& caller, std::u16string_view step, const wchar_t* member, WORD kind,
                       const std::string& what, HRESULT result = S_OK) {
    std::u16string message(step);
    if (isGone(result))
        message += u"\n" + caller.name + u" が終了したか、応答できなくなりました。リストはクリップボードにあります。";
    throw OperationFailed(message, utf8(reinterpret_cast<const wchar_t*>(caller.name.c_str())) + " \"" +
                                       utf8(member) + "\" (" + kindName(kind) + "): " + what);
}

void setText(const Caller& caller, VARIANT* argument, std::u16string_view text, const wchar_t* member, WORD kind,
             std::u16string_view step) {
    const BSTR bstr = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                        static_cast<UINT>(text.size()));
    if (!bstr)
        fail(caller, step, member, kind, "SysAllocStringLen failed");
    V_VT(argument) = VT_BSTR;
    V_BSTR(argument) = bstr;
}

// One late-bound call with at most one positional argument. A put passes its
// value as the named argument DISPID_PROPERTYPUT and asks for no result. Each
// of the two round trips is tried again while the application is busy.
void invoke(const Caller& caller, IDispatch* target, const wchar_t* member, WORD kind, VARIANT* argument,
            Variant* result, std::u16string_view step) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR name = const_cast<LPOLESTR>(member);
    HRESULT hr = caller.busy.call([&] { return target->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id); });
    if (FAILED(hr))
        fail(caller, step, member, kind, "GetIDsOfNames failed with HRESULT " + HresultText(hr), hr);

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
    std::unique_ptr<ExceptionInfo> exception;
    hr = caller.busy.call([&] {
        exception = std::make_unique<ExceptionInfo>();
        UINT argumentError = 0;
        const HRESULT answer = target->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params,
                                              result ? result->get() : nullptr, exception->get(), &argumentError);
        // Excel says "busy" in an exception of its own, too.
        return answer == DISP_E_EXCEPTION && IsBusy(exception->code()) ? exception->code() : answer;
    });
    if (FAILED(hr)) {
        std::string what = "Invoke failed with HRESULT " + HresultText(hr);
        if (hr == DISP_E_EXCEPTION)
            what += exception->describe();
        else if (IsBusy(hr))
            what += ", busy past " + std::to_string(kBusyPatience.count()) + " ms; the user cancelled";
        fail(caller, step, member, kind, what, hr == DISP_E_EXCEPTION ? exception->code() : hr);
    }
}

ComRef<IDispatch> objectResult(const Caller& caller, Variant& result, const wchar_t* member, WORD kind,
                               std::u16string_view step) {
    const VARTYPE type = V_VT(result.get());
    ComRef<IDispatch> object = result.takeObject();
    if (!object)
        fail(caller, step, member, kind, "returned VARTYPE " + std::to_string(type) + " instead of an object");
    return object;
}

} // namespace

ComRef<IDispatch> GetObject(const Caller& caller, IDispatch* target, const wchar_t* member,
                            std::u16string_view step) {
    Variant result;
    invoke(caller, target, member, DISPATCH_PROPERTYGET, nullptr, &result, step);
    return objectResult(caller, result, member, DISPATCH_PROPERTYGET, step);
}

ComRef<IDispatch> GetObject(const Caller& caller, IDispatch* target, const wchar_t* member,
                            std::u16string_view argument, std::u16string_view step) {
    Variant text;
    setText(caller, text.get(), argument, member, DISPATCH_PROPERTYGET, step);
    Variant result;
    invoke(caller, target, member, DISPATCH_PROPERTYGET, text.get(), &result, step);
    return objectResult(caller, result, member, DISPATCH_PROPERTYGET, step);
}

void PutText(const Caller& caller, IDispatch* target, const wchar_t* member, std::u16string_view value,
             std::u16string_view step) {
    Variant text;
    setText(caller, text.get(), value, member, DISPATCH_PROPERTYPUT, step);
    invoke(caller, target, member, DISPATCH_PROPERTYPUT, text.get(), nullptr, step);
}

void PutBool(const Caller& caller, IDispatch* target, const wchar_t* member, bool value,
             std::u16string_view step) {
    Variant truth;
    V_VT(truth.get()) = VT_BOOL;
    V_BOOL(truth.get()) = value ? VARIANT_TRUE : VARIANT_FALSE;
    invoke(caller, target, member, DISPATCH_PROPERTYPUT, truth.get(), nullptr, step);
}

ComRef<IDispatch> CallForObject(const Caller& caller, IDispatch* target, const wchar_t* member,
                                std::u16string_view step) {
    Variant result;
    invoke(caller, target, member, DISPATCH_METHOD, nullptr, &result, step);
    return objectResult(caller, result, member, DISPATCH_METHOD, step);
}

void CallMethod(const Caller& caller, IDispatch* target, const wchar_t* member, std::u16string_view step) {
    Variant result;
    invoke(caller, target, member, DISPATCH_METHOD, nullptr, &result, step);
}

std::string HresultText(HRESULT result) {
    static constexpr std::pair<unsigned long, const char*> kNames[] = {
        {0x80010001, "RPC_E_CALL_REJECTED"},      {0x8001010A, "RPC_E_SERVERCALL_RETRYLATER"},
        {0x800AC472, "VBA_E_IGNORE"},             {0x80010108, "RPC_E_DISCONNECTED"},
        {0x800706BA, "RPC_S_SERVER_UNAVAILABLE"}, {0x800706BE, "RPC_S_CALL_FAILED"},
        {0x800706BF, "RPC_S_CALL_FAILED_DNE"},    {0x800401FD, "CO_E_OBJNOTCONNECTED"},
        {0x80010105, "RPC_E_SERVERFAULT"},        {0x80040154, "REGDB_E_CLASSNOTREG"},
        {0x800401F3, "CO_E_CLASSSTRING"},         {0x80004002, "E_NOINTERFACE"},
        {0x80080005, "CO_E_SERVER_EXEC_FAILURE"}, {0x8001011F, "RPC_E_TIMEOUT"},
        {0x80020009, "DISP_E_EXCEPTION"},         {0x80010106, "RPC_E_CHANGED_MODE"},
    };
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(result));
    for (const auto& [code, name] : kNames)
        if (code == static_cast<unsigned long>(result))
            return text + std::string(" (") + name + ")";
    return text;
}

} // namespace tavrosk::excel

#pragma once

// A recording stand-in for an automation server. Each object it hands out is
// an IDispatch that records the names asked for and each call (as a line:
// object, member, kind, arguments in the member's order, named arguments),
// and answers each call that asks for a result with a new such object, named
// after the way it was reached ("App.Workbooks.Add"). A fault can be set on
// the n-th member call. Reference counts are kept to see that everything
// handed out is released, and released while still in a COM apartment.

#include <oaidl.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

enum class Fault { None, UnknownName, InvokeFails, RaisesException, ReturnsNothing };

// How arguments read in a recorded line: a BSTR as its UTF-16 code units.
inline std::string textArgument(std::u16string_view text) {
    std::string out = " BSTR";
    for (char16_t c : text) {
        char unit[8];
        std::snprintf(unit, sizeof unit, " %04X", static_cast<unsigned>(c));
        out += unit;
    }
    return out;
}
inline std::string boolArgument(VARIANT_BOOL value) { return " BOOL " + std::to_string(value); }

struct FakeAutomation {
    std::vector<std::string> names, calls;  // every GetIDsOfNames and Invoke, in order
    std::vector<std::string> misuse;        // broken COM rules
    size_t faultAt = 0;                     // the member call (from 0) that fails
    Fault fault = Fault::None;

    IDispatch* make(std::string name);  // a new object with one reference
    std::vector<std::string> unreleased() const;

private:
    std::vector<std::unique_ptr<struct FakeDispatch>> objects_;
};

struct FakeDispatch final : IDispatch {
    FakeAutomation& owner;
    std::string name;
    long references = 1;
    std::vector<std::string> members;  // DISPID n is members[n - 1]

    FakeDispatch(FakeAutomation& o, std::string n) : owner(o), name(std::move(n)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnknown || iid == IID_IDispatch ? static_cast<IDispatch*>(this) : nullptr;
        return *out ? (AddRef(), S_OK) : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references); }
    ULONG STDMETHODCALLTYPE Release() override {
        APTTYPE type;
        APTTYPEQUALIFIER qualifier;
        if (references == 0)
            owner.misuse.push_back(name + " released once too often");
        else if (--references == 0 && CoGetApartmentType(&type, &qualifier) != S_OK)
            owner.misuse.push_back(name + " released outside any COM apartment");
        return static_cast<ULONG>(references);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return *count = 0, S_OK; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        const std::wstring member = names[0];
        owner.names.emplace_back(member.begin(), member.end());
        if (iid != IID_NULL || count != 1)
            owner.misuse.push_back(name + ": GetIDsOfNames not for one name with IID_NULL");
        if (faultHere(owner.names.size(), Fault::UnknownName))
            return DISP_E_UNKNOWNNAME;
        members.push_back(owner.names.back());
        ids[0] = static_cast<DISPID>(members.size());
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID, WORD kind, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT*) override {
        if (iid != IID_NULL || id < 1 || static_cast<size_t>(id) > members.size()) {
            owner.misuse.push_back(name + ": Invoke not with IID_NULL and a DISPID given out");
            return DISP_E_MEMBERNOTFOUND;
        }
        const std::string member = members[static_cast<size_t>(id) - 1];
        std::string line = name + " " + member + (kind == DISPATCH_METHOD ? " method" : kind == DISPATCH_PROPERTYGET ? " get"
                                                  : kind == DISPATCH_PROPERTYPUT ? " put" : " kind " + std::to_string(kind));
        for (UINT i = params->cArgs; i-- > 0;) {  // rgvarg holds the last argument first
            const VARIANT& v = params->rgvarg[i];
            line += V_VT(&v) == VT_BSTR ? textArgument({reinterpret_cast<const char16_t*>(V_BSTR(&v)), SysStringLen(V_BSTR(&v))})
                  : V_VT(&v) == VT_BOOL ? boolArgument(V_BOOL(&v)) : " VARTYPE " + std::to_string(V_VT(&v));
        }
        for (UINT i = 0; i < params->cNamedArgs; ++i)
            line += " named " + std::to_string(params->rgdispidNamedArgs[i]);
        owner.calls.push_back(line);

        if (faultHere(owner.calls.size(), Fault::InvokeFails))
            return E_FAIL;
        if (faultHere(owner.calls.size(), Fault::RaisesException)) {
            *exception = EXCEPINFO{};
            exception->scode = static_cast<HRESULT>(0x800A03ECL);
            exception->bstrSource = SysAllocString(L"FakeAutomation");
            exception->pfnDeferredFillIn = [](EXCEPINFO* info) {
                info->bstrDescription = SysAllocString(L"fake refusal");
                return S_OK;
            };
            return DISP_E_EXCEPTION;
        }
        if (result && !faultHere(owner.calls.size(), Fault::ReturnsNothing)) {
            V_VT(result) = VT_DISPATCH;
            V_DISPATCH(result) = owner.make(name + "." + member);
        }
        return S_OK;
    }

    bool faultHere(size_t callCount, Fault f) const { return owner.fault == f && owner.faultAt + 1 == callCount; }
};

inline IDispatch* FakeAutomation::make(std::string name) {
    objects_.push_back(std::make_unique<FakeDispatch>(*this, std::move(name)));
    return objects_.back().get();
}

inline std::vector<std::string> FakeAutomation::unreleased() const {
    std::vector<std::string> held;
    for (const auto& object : objects_)
        if (object->references != 0)
            held.push_back(object->name + " holds " + std::to_string(object->references));
    return held;
}

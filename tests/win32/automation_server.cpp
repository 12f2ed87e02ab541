// A recording "Excel.Application" for the end-to-end test: a COM local
// server, started by COM with a log file as the test registers it. Each
// object it hands out is an IDispatch that writes each call to the log as it
// comes (a line: object, member, kind, arguments, named arguments) and
// answers each get or method call with a new such object, named after the
// way it was reached ("App.Workbooks.Add"). Each new application object
// reads from LOG.fault the number of the call (from 0) that is to fail, if
// any. Whenever every object handed out has been released it writes "all
// released"; it ends after a second without objects (or after a minute), so that the next
// export finds it still running (Wine takes a second to start a server).
#include <oaidl.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

std::ofstream logFile;
std::string faultFile;
long calls = 0, failAt = -1, objects = 0;  // objects: handed out and not yet released
DWORD idleSince = GetTickCount();

std::string utf8(const wchar_t* text, int length) {
    std::string out(static_cast<size_t>(length) * 3, '\0');
    out.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), static_cast<int>(out.size()), nullptr, nullptr)));
    return out;
}

struct Recorder final : IDispatch {
    std::string name;
    long references = 1;
    std::vector<std::string> members;  // DISPID n is members[n - 1]

    explicit Recorder(std::string n) : name(std::move(n)) { ++objects; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnknown || iid == IID_IDispatch ? static_cast<IDispatch*>(this) : nullptr;
        return *out ? (AddRef(), S_OK) : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references); }
    ULONG STDMETHODCALLTYPE Release() override {
        if (--references == 0 && --objects == 0) {  // kept, not deleted: a late call must not crash it
            logFile << "all released" << std::endl;
            idleSince = GetTickCount();
        }
        return static_cast<ULONG>(references);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return *count = 0, S_OK; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
        members.push_back(utf8(names[0], lstrlenW(names[0])));
        ids[0] = static_cast<DISPID>(members.size());
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD kind, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT*) override {
        const std::string member = members.at(static_cast<size_t>(id) - 1);
        std::string line = name + " " + member + (kind == DISPATCH_METHOD ? " method" : kind == DISPATCH_PROPERTYGET ? " get"
                                                  : kind == DISPATCH_PROPERTYPUT ? " put" : " kind " + std::to_string(kind));
        for (UINT i = params->cArgs; i-- > 0;) {  // rgvarg holds the last argument first
            const VARIANT& v = params->rgvarg[i];
            line += V_VT(&v) == VT_BSTR ? " \"" + utf8(V_BSTR(&v), static_cast<int>(SysStringLen(V_BSTR(&v)))) + "\""
                  : V_VT(&v) == VT_BOOL ? " BOOL " + std::to_string(V_BOOL(&v)) : " VARTYPE " + std::to_string(V_VT(&v));
        }
        for (UINT i = 0; i < params->cNamedArgs; ++i)
            line += " named " + std::to_string(params->rgdispidNamedArgs[i]);
        logFile << line << std::endl;
        if (calls++ == failAt) {
            *exception = EXCEPINFO{};
            exception->scode = static_cast<HRESULT>(0x800A03ECL);
            exception->bstrDescription = SysAllocString(L"recorded refusal");
            return DISP_E_EXCEPTION;
        }
        if (result && kind != DISPATCH_PROPERTYPUT) {  // a put gives nothing back, whatever the caller offers
            V_VT(result) = VT_DISPATCH;
            V_DISPATCH(result) = new Recorder(name + "." + member);
        }
        return S_OK;
    }
};

struct Factory final : IClassFactory {
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnknown || iid == IID_IClassFactory ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives as long as the program
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID iid, void** out) override {
        calls = 0;
        std::ifstream(faultFile) >> failAt;
        auto* application = new Recorder("App");
        const HRESULT hr = application->QueryInterface(iid, out);
        application->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

} // namespace

int main(int, char** argv) {
    logFile.open(argv[1], std::ios::app);  // COM starts it as registered: LOG -Embedding
    faultFile = argv[1] + std::string(".fault");
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    CLSID id;
    CLSIDFromString(TAVROSK_RECORDER_CLASS, &id);
    Factory factory;
    DWORD cookie = 0;
    CoRegisterClassObject(id, &factory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &cookie);
    SetTimer(nullptr, 0, 20, nullptr);
    const DWORD start = GetTickCount();  // a client that never lets go does not keep it for ever
    MSG message;
    while ((objects > 0 || GetTickCount() - idleSince < 1000) && GetTickCount() - start < 60000 &&
           GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    CoRevokeClassObject(cookie);
    CoUninitialize();
}

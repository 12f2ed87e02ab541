// A recording "Excel.Application" for the end-to-end test: a COM local
// server, started by COM with a log file as the test registers it. Each
// object it hands out is an IDispatch that writes each call to the log as it
// comes (a line: object, member, kind, arguments, named arguments) and
// answers each get or method call with a new such object, named after the
// way it was reached ("App.Workbooks.Add"). Each new application object
// reads from LOG.fault the export's fault, by the number of the call
// (from 0): "fail N" raises an exception at call N; "busy N K CODE"
// turns call N away K times as busy (K read again at each) in the server's
// message filter, as Excel does, and then (as some COM runtimes do not
// consult the filter) K times from Invoke with CODE, an HRESULT or 0x800AC472
// as Excel's exception; "slow N MS" answers call N MS milliseconds late
// (N = -1: the application object comes that late); "exit N" ends the
// process at call N. Each object counts its references: whenever every object
// handed out has been released it writes "all released", and one released
// once too often is written too. It ends after a second without objects (or
// after a minute), so that the next export finds it still running.
#include <oaidl.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

std::ofstream logFile;
std::string faultFile;
long calls = 0, objects = 0;  // objects: handed out and not yet released
DWORD idleSince = GetTickCount();

struct Fault {
    std::string kind;
    long at = -1, value = 0;  // value: how many times busy, or milliseconds slow
    unsigned long code = 0;
    long filtered = 0, rejected = 0;  // turned away as busy, by the filter and by Invoke

    void read() {
        *this = {};
        std::ifstream(faultFile) >> kind >> at >> value >> std::hex >> code;
    }
    bool is(const char* what, long call) const { return kind == what && at == call; }
    // The file's count is read again each time, so that a test can end the
    // rejections while the client waits.
    bool turnsAway(long& count) const {
        Fault now;
        now.read();
        return is("busy", calls) && count < now.value && ++count;
    }
} fault;

std::string utf8(const wchar_t* text, int length) {
    std::string out(static_cast<size_t>(length) * 3, '\0');
    out.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), static_cast<int>(out.size()), nullptr, nullptr)));
    return out;
}

// An exception of Excel's own, with its code.
HRESULT raise(EXCEPINFO* exception, unsigned long code) {
    *exception = EXCEPINFO{};
    exception->scode = static_cast<HRESULT>(code);
    exception->bstrDescription = SysAllocString(L"recorded refusal");
    return DISP_E_EXCEPTION;
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
        if (references == 0) {
            logFile << name << " released once too often" << std::endl;
            return 0;
        }
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
        if (fault.turnsAway(fault.rejected))
            return fault.code == 0x800AC472 ? raise(exception, fault.code) : static_cast<HRESULT>(fault.code);
        logFile << line << std::endl;
        if (fault.is("exit", calls))
            ExitProcess(3);
        if (fault.is("slow", calls))
            Sleep(static_cast<DWORD>(fault.value));
        if (fault.is("fail", calls++))
            return raise(exception, 0x800A03EC);
        if (result && kind != DISPATCH_PROPERTYPUT) {  // a put gives nothing back, whatever the caller offers
            V_VT(result) = VT_DISPATCH;
            V_DISPATCH(result) = new Recorder(name + "." + member);
        }
        return S_OK;
    }
};

// The class factory, and Excel's own way to say "busy": a message filter
// that turns the call away before it reaches the object. It lives as long
// as the program.
struct Server final : IClassFactory, IMessageFilter {
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnknown || iid == IID_IClassFactory ? static_cast<void*>(static_cast<IClassFactory*>(this))
               : iid == IID_IMessageFilter ? static_cast<IMessageFilter*>(this) : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID iid, void** out) override {
        calls = 0;
        fault.read();
        if (fault.is("slow", -1))  // a slow start
            Sleep(static_cast<DWORD>(fault.value));
        auto* application = new Recorder("App");
        const HRESULT hr = application->QueryInterface(iid, out);
        application->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override {
        return fault.turnsAway(fault.filtered) ? SERVERCALL_RETRYLATER : SERVERCALL_ISHANDLED;
    }
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) override { return static_cast<DWORD>(-1); }
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override { return PENDINGMSG_WAITDEFPROCESS; }
};

} // namespace

int main(int, char** argv) {
    logFile.open(argv[1], std::ios::app);  // COM starts it as registered: LOG -Embedding
    faultFile = argv[1] + std::string(".fault");
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Server server;
    CoRegisterMessageFilter(&server, nullptr);
    CLSID id;
    CLSIDFromString(TAVROSK_RECORDER_CLASS, &id);
    DWORD cookie = 0;
    CoRegisterClassObject(id, static_cast<IClassFactory*>(&server), CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &cookie);
    SetTimer(nullptr, 0, 20, nullptr);
    const DWORD start = GetTickCount();  // a client that never lets go does not keep it for ever
    MSG message;
    while ((objects > 0 || GetTickCount() - idleSince < 1000) && GetTickCount() - start < 60000 &&
           GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    CoRevokeClassObject(cookie);
    CoUninitialize();
}

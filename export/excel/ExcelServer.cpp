#include "export/excel/ExcelServer.h"

#include "export/excel/ComApartment.h"
#include "export/excel/ComRef.h"
#include "export/excel/LateBound.h"
#include "model/OperationFailed.h"

#include <memory>
#include <string>
#include <utility>

namespace tavrosk::excel {
namespace {

constexpr std::u16string_view kOnClipboard = u"リストはクリップボードにあります（TextBox 1 には Ctrl+Z で戻せます）。";

// What every object of one export shares, in the order it is set up and
// (backwards) undone: the apartment, the busy filter, the application called.
// The caller is known once an application has been found.
struct Session {
    ComApartment apartment;
    BusyFilter filter;
    Caller caller{{}, BusyRetry({}, {})};
};

// The reference every object of one export holds; the session goes after
// the last object has been released.
struct Held {
    std::shared_ptr<Session> session;
    ComRef<IDispatch> object;

    Held child(ComRef<IDispatch> object) const { return {session, std::move(object)}; }
    const Caller& caller() const { return session->caller; }
    // The application's name, then the rest of the sentence.
    std::u16string says(std::u16string_view rest) const { return session->caller.name + std::u16string(rest); }
};

class ExcelWorksheet final : public Worksheet {
public:
    explicit ExcelWorksheet(Held sheet) : sheet_(std::move(sheet)) {}

    void setName(const std::u16string& name) override {
        PutText(sheet_.caller(), sheet_.object.get(), L"Name", name,
                sheet_.says(u" でシートの名前を「" + name + u"」にできません。"));
    }

    void keepColumnAAsText() override {
        const std::u16string step = sheet_.says(u" で A 列を文字列の書式にできません。");
        const ComRef<IDispatch> column = GetObject(sheet_.caller(), sheet_.object.get(), L"Columns", u"A:A", step);
        PutText(sheet_.caller(), column.get(), L"NumberFormat", u"@", step);
    }

    void paste() override {
        CallMethod(sheet_.caller(), sheet_.object.get(), L"Paste",
                   sheet_.says(u" のシートにクリップボードの内容を貼り付けられません。"));
    }

    void autoFitColumnA() override {
        const std::u16string step = sheet_.says(u" で A 列の幅を合わせられません。");
        const ComRef<IDispatch> columns = GetObject(sheet_.caller(), sheet_.object.get(), L"Columns", u"A:A", step);
        const ComRef<IDispatch> column = GetObject(sheet_.caller(), columns.get(), L"EntireColumn", step);
        CallMethod(sheet_.caller(), column.get(), L"AutoFit", step);
    }

private:
    Held sheet_;
};

class ExcelWorkbook final : public Workbook {
public:
    explicit ExcelWorkbook(Held book) : book_(std::move(book)) {}

    std::unique_ptr<Worksheet> addWorksheet() override {
        const std::u16string step = book_.says(u" でシートを追加できません。");
        const ComRef<IDispatch> sheets = GetObject(book_.caller(), book_.object.get(), L"Worksheets", step);
        return std::make_unique<ExcelWorksheet>(book_.child(CallForObject(book_.caller(), sheets.get(), L"Add", step)));
    }

private:
    Held book_;
};

class ExcelApplication final : public SpreadsheetApplication {
public:
    explicit ExcelApplication(Held application) : application_(std::move(application)) {}

    void makeVisible() override {
        PutBool(application_.caller(), application_.object.get(), L"Visible", true,
                application_.says(u" のウィンドウを表示できません。"));
    }

    std::unique_ptr<Workbook> addWorkbook() override {
        const std::u16string step = application_.says(u" でブックを追加できません。");
        const ComRef<IDispatch> books = GetObject(application_.caller(), application_.object.get(), L"Workbooks", step);
        return std::make_unique<ExcelWorkbook>(
            application_.child(CallForObject(application_.caller(), books.get(), L"Add", step)));
    }

private:
    Held application_;
};

// Not registered on this PC.
bool isMissing(HRESULT result) {
    return result == CO_E_CLASSSTRING || result == REGDB_E_CLASSNOTREG;
}

// Registered, but its program did not register its object in time (Wine
// answers E_NOINTERFACE after about 30 s, Windows CO_E_SERVER_EXEC_FAILURE).
bool isLate(HRESULT result) {
    return result == E_NOINTERFACE || result == CO_E_SERVER_EXEC_FAILURE || result == RPC_E_TIMEOUT;
}

[[noreturn]] void cannotStart(std::u16string_view name, std::u16string_view what, const std::string& cause) {
    throw OperationFailed(std::u16string(name) + std::u16string(what) + u"\n" + std::u16string(kOnClipboard), cause);
}

} // namespace

ExcelServer::ExcelServer(BusyRetry::Question ask) : ask_(std::move(ask)) {}

std::unique_ptr<SpreadsheetApplication> ExcelServer::createApplication() {
    const std::u16string_view first = kApplications[0].name;
    auto session = std::make_shared<Session>();
    if (!session->apartment.usable())
        cannotStart(first, u" を起動できません。",
                    "CoInitializeEx failed with HRESULT " + HresultText(session->apartment.result()));
    std::string tried;
    for (const Automation& choice : kApplications) {
        const std::string progId(choice.progId.begin(), choice.progId.end());
        CLSID clsid{};
        HRESULT hr = CLSIDFromProgID(std::wstring(choice.progId).c_str(), &clsid);
        ComRef<IDispatch> application;
        if (SUCCEEDED(hr))
            hr = CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                  reinterpret_cast<void**>(application.put()));
        tried += (tried.empty() ? "" : "; ") + progId + ": HRESULT " + HresultText(hr);
        if (isMissing(hr))
            continue;
        if (isLate(hr))
            cannotStart(choice.name, u" が時間内に起動しませんでした。", "creating " + tried);
        if (FAILED(hr) || !application)
            cannotStart(choice.name, u" を起動できません。", "creating " + tried + (FAILED(hr) ? "" : ", no object"));
        const std::u16string name(choice.name);
        session->caller = Caller{name, BusyRetry(name, ask_)};
        return std::make_unique<ExcelApplication>(Held{std::move(session), std::move(application)});
    }
    throw OperationFailed(u"この PC には Excel がインストールされていません。\n" + std::u16string(kOnClipboard) +
                              u"ほかのアプリケーションに貼り付けて使えます。",
                          "creating " + tried);
}

} // namespace tavrosk::excel

// The Excel backend against a recording fake: the members it calls, in
// order, with which arguments; where it stops when a call fails; that it
// releases every object it was given; and its COM apartment. Then the real
// backend where no Excel is registered (as under Wine).
#include "Check.h"
#include "FakeAutomation.h"

#include "export/excel/CreateExcelServer.h"
#include "export/excel/ExcelServer.h"
#include "model/OperationFailed.h"

#include <optional>

using tavrosk::OperationFailed;

namespace {

const std::u16string kSheetName = u"タヴロスク";
const std::string kSheet = "App.Workbooks.Add.Worksheets.Add", kPut = " named -3";  // DISPID_PROPERTYPUT

// Each call of an export that pastes, with the message of the step it belongs to.
const std::vector<std::pair<std::string, std::u16string>> kExport{
    {"App Visible put" + boolArgument(VARIANT_TRUE) + kPut, u"Excel のウィンドウを表示できません。"},
    {"App Workbooks get", u"Excel でブックを追加できません。"},
    {"App.Workbooks Add method", u"Excel でブックを追加できません。"},
    {"App.Workbooks.Add Worksheets get", u"Excel でシートを追加できません。"},
    {"App.Workbooks.Add.Worksheets Add method", u"Excel でシートを追加できません。"},
    {kSheet + " Name put" + textArgument(kSheetName) + kPut, u"Excel でシートの名前を「タヴロスク」にできません。"},
    {kSheet + " Columns get" + textArgument(u"A:A"), u"Excel で A 列を文字列の書式にできません。"},
    {kSheet + ".Columns NumberFormat put" + textArgument(u"@") + kPut, u"Excel で A 列を文字列の書式にできません。"},
    {kSheet + " Paste method", u"Excel のシートにクリップボードの内容を貼り付けられません。"},
    {kSheet + " Columns get" + textArgument(u"A:A"), u"Excel で A 列の幅を合わせられません。"},
    {kSheet + ".Columns EntireColumn get", u"Excel で A 列の幅を合わせられません。"},
    {kSheet + ".Columns.EntireColumn AutoFit method", u"Excel で A 列の幅を合わせられません。"},
};

bool inApartment(bool singleThreaded = false) {
    APTTYPE type;
    APTTYPEQUALIFIER qualifier;
    return CoGetApartmentType(&type, &qualifier) == S_OK &&
           (!singleThreaded || type == APTTYPE_STA || type == APTTYPE_MAINSTA);
}

std::string lines(const std::vector<std::string>& list) {
    std::string text;
    for (const std::string& line : list)
        text += "\n    " + line;
    return text;
}

// One export as the command runs it; every object is gone when it returns.
std::optional<OperationFailed> runExport(FakeAutomation& fake, bool paste = true) {
    tavrosk::excel::ExcelServer server([&](IDispatch** out) {
        CHECK(inApartment(true));
        return *out = fake.make("App"), S_OK;
    });
    try {
        auto application = server.createApplication();
        application->makeVisible();
        auto workbook = application->addWorkbook();
        auto worksheet = workbook->addWorksheet();
        worksheet->setName(kSheetName);
        worksheet->keepColumnAAsText();
        if (paste)
            worksheet->paste();
        worksheet->autoFitColumnA();
    } catch (const OperationFailed& failure) {
        return failure;
    }
    return std::nullopt;
}

// The fake saw the first `count` calls of the export (without Paste if
// !paste) and nothing else, and has had all its objects released.
void checkCalls(const FakeAutomation& fake, size_t count, bool paste = true) {
    std::vector<std::string> expected;
    for (const auto& [call, message] : kExport)
        if (expected.size() < count && (paste || call.find(" Paste ") == std::string::npos))
            expected.push_back(call);
    CHECK_EQ(lines(fake.calls), lines(expected));
    CHECK_EQ(lines(fake.misuse) + lines(fake.unreleased()), std::string());
    CHECK(!inApartment());
}

void failureStopsThere(Fault fault, const std::string& cause) {
    for (size_t at = 0; at < kExport.size(); ++at) {
        if (fault == Fault::ReturnsNothing && kExport[at].first.find(" get") == std::string::npos &&
            kExport[at].first.find(" Add ") == std::string::npos)
            continue;  // its result is not used
        FakeAutomation fake;
        fake.fault = fault;
        fake.faultAt = at;
        const auto failure = runExport(fake);
        if (!CHECK(failure.has_value()))
            continue;
        CHECK_EQ(failure->userMessage(), kExport[at].second);
        const std::string& line = kExport[at].first;
        const size_t from = line.find(' ') + 1;
        const std::string member = line.substr(from, line.find(' ', from) - from);
        CHECK(failure->cause().find("\"" + member + "\"") != std::string::npos);
        CHECK(failure->cause().find(cause) != std::string::npos);
        CHECK(fake.names.size() == at + 1);
        checkCalls(fake, fault == Fault::UnknownName ? at : at + 1);
    }
}

// A thread already in an apartment keeps it, entered exactly once, after an export.
void threadAlreadyIn(DWORD model) {
    CHECK(SUCCEEDED(CoInitializeEx(nullptr, model)));
    FakeAutomation fake;
    tavrosk::excel::ExcelServer([&](IDispatch** out) { return *out = fake.make("App"), S_OK; })
        .createApplication()
        ->makeVisible();
    CHECK_EQ(lines(fake.misuse) + lines(fake.unreleased()), std::string());
    CHECK(inApartment());
    CoUninitialize();
    CHECK(!inApartment());
}

void createFails(tavrosk::SpreadsheetServer& server, const std::string& cause) {
    try {
        server.createApplication();
        FAIL("createApplication returned");
    } catch (const OperationFailed& failure) {
        CHECK_EQ(failure.userMessage(), std::u16string(u"Excel を起動できません。"));
        CHECK(failure.cause().find(cause) != std::string::npos);
    }
    CHECK(!inApartment());
}

} // namespace

int main() {
    FakeAutomation fake;
    CHECK(!runExport(fake));
    checkCalls(fake, kExport.size());
    CHECK_EQ(lines(fake.names), lines({"Visible", "Workbooks", "Add", "Worksheets", "Add", "Name", "Columns",
                                       "NumberFormat", "Paste", "Columns", "EntireColumn", "AutoFit"}));
    FakeAutomation noPaste;
    CHECK(!runExport(noPaste, false));
    checkCalls(noPaste, kExport.size() - 1, false);

    failureStopsThere(Fault::UnknownName, "GetIDsOfNames failed with HRESULT 0x80020006");
    failureStopsThere(Fault::InvokeFails, "Invoke failed with HRESULT 0x80004005");
    failureStopsThere(Fault::RaisesException, "0x80020009; scode 0x800A03EC; source \"FakeAutomation\"; \"fake refusal\"");
    failureStopsThere(Fault::ReturnsNothing, "instead of an object");
    threadAlreadyIn(COINIT_APARTMENTTHREADED);
    threadAlreadyIn(COINIT_MULTITHREADED);
    tavrosk::excel::ExcelServer notRegistered([](IDispatch** out) { return *out = nullptr, REGDB_E_CLASSNOTREG; });
    createFails(notRegistered, "0x80040154");
    tavrosk::excel::ExcelServer noObject([](IDispatch** out) { return *out = nullptr, S_OK; });
    createFails(noObject, "gave no object");

    // The real path: no Excel.Application is registered under Wine.
    CLSID clsid;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const bool excelRegistered = SUCCEEDED(CLSIDFromProgID(L"Excel.Application", &clsid));
    CoUninitialize();
    if (!excelRegistered)
        createFails(*tavrosk::excel::createExcelServer(), "0x800401F3");  // CO_E_CLASSSTRING
    else
        std::printf("not tried: Excel is registered here\n");
    return check::finish();
}

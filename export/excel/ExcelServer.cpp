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

constexpr std::u16string_view kCannotStart = u"Excel を起動できません。";

// The reference every object of one export holds. The apartment comes first
// so that it is left only after the object has been released.
struct Held {
    std::shared_ptr<ComApartment> apartment;
    ComRef<IDispatch> object;

    Held child(ComRef<IDispatch> object) const { return {apartment, std::move(object)}; }
};

class ExcelWorksheet final : public Worksheet {
public:
    explicit ExcelWorksheet(Held sheet) : sheet_(std::move(sheet)) {}

    void setName(const std::u16string& name) override {
        PutText(sheet_.object.get(), L"Name", name, u"Excel でシートの名前を「" + name + u"」にできません。");
    }

    void keepColumnAAsText() override {
        constexpr std::u16string_view step = u"Excel で A 列を文字列の書式にできません。";
        const ComRef<IDispatch> column = GetObject(sheet_.object.get(), L"Columns", u"A:A", step);
        PutText(column.get(), L"NumberFormat", u"@", step);
    }

    void paste() override {
        CallMethod(sheet_.object.get(), L"Paste", u"Excel のシートにクリップボードの内容を貼り付けられません。");
    }

    void autoFitColumnA() override {
        constexpr std::u16string_view step = u"Excel で A 列の幅を合わせられません。";
        const ComRef<IDispatch> columns = GetObject(sheet_.object.get(), L"Columns", u"A:A", step);
        const ComRef<IDispatch> column = GetObject(columns.get(), L"EntireColumn", step);
        CallMethod(column.get(), L"AutoFit", step);
    }

private:
    Held sheet_;
};

class ExcelWorkbook final : public Workbook {
public:
    explicit ExcelWorkbook(Held book) : book_(std::move(book)) {}

    std::unique_ptr<Worksheet> addWorksheet() override {
        constexpr std::u16string_view step = u"Excel でシートを追加できません。";
        const ComRef<IDispatch> sheets = GetObject(book_.object.get(), L"Worksheets", step);
        return std::make_unique<ExcelWorksheet>(book_.child(CallForObject(sheets.get(), L"Add", step)));
    }

private:
    Held book_;
};

class ExcelApplication final : public SpreadsheetApplication {
public:
    explicit ExcelApplication(Held application) : application_(std::move(application)) {}

    void makeVisible() override {
        PutBool(application_.object.get(), L"Visible", true, u"Excel のウィンドウを表示できません。");
    }

    std::unique_ptr<Workbook> addWorkbook() override {
        constexpr std::u16string_view step = u"Excel でブックを追加できません。";
        const ComRef<IDispatch> books = GetObject(application_.object.get(), L"Workbooks", step);
        return std::make_unique<ExcelWorkbook>(application_.child(CallForObject(books.get(), L"Add", step)));
    }

private:
    Held application_;
};

// CLSIDFromProgID("Excel.Application"), then CoCreateInstance of its
// IDispatch from the Excel program (a local server) on this machine.
HRESULT createExcelApplication(IDispatch** application) {
    CLSID clsid{};
    const HRESULT hr = CLSIDFromProgID(L"Excel.Application", &clsid);
    if (FAILED(hr))
        return hr;
    return CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch, reinterpret_cast<void**>(application));
}

} // namespace

std::unique_ptr<SpreadsheetApplication> ExcelServer::createApplication() {
    auto apartment = std::make_shared<ComApartment>();
    if (!apartment->usable())
        throw OperationFailed(std::u16string(kCannotStart),
                              "CoInitializeEx failed with HRESULT " + HresultText(apartment->result()));
    ComRef<IDispatch> application;
    const HRESULT hr = createExcelApplication(application.put());
    if (FAILED(hr))
        throw OperationFailed(std::u16string(kCannotStart),
                              "creating Excel.Application failed with HRESULT " + HresultText(hr));
    if (!application)
        throw OperationFailed(std::u16string(kCannotStart), "creating Excel.Application gave no object");
    return std::make_unique<ExcelApplication>(Held{std::move(apartment), std::move(application)});
}

} // namespace tavrosk::excel

#include "export/libreoffice/CalcWorksheet.h"

#include "export/libreoffice/ClipboardText.h"
#include "export/libreoffice/DocumentSettingOff.h"
#include "export/libreoffice/ExactColumnFit.h"
#include "export/libreoffice/SheetColumns.h"
#include "export/libreoffice/TextLines.h"
#include "model/OperationFailed.h"

#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/lang/Locale.hpp>
#include <com/sun/star/util/NumberFormat.hpp>
#include <com/sun/star/util/XNumberFormatTypes.hpp>
#include <com/sun/star/util/XNumberFormatsSupplier.hpp>

namespace tavrosk::libreoffice {

using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

namespace {

// How the export writes into the document it has just made. Calc does not
// fit each written row's height: it would lay every row out again for it,
// seconds for a long list of mixed Latin and Japanese, while a line of text
// keeps the standard height anyway. And Undo records none of it: the fit's
// scratch cells in column B must never come back through an Undo (the undo
// manager's own lock does not stop Calc recording what its API does).
struct ExportWrites {
    explicit ExportWrites(const Reference<css::sheet::XSpreadsheetDocument>& document)
        : rowHeights(document, "IsAdjustHeightEnabled"), undo(document, "IsUndoEnabled") {}
    DocumentSettingOff rowHeights;
    DocumentSettingOff undo;
};

} // namespace

CalcWorksheet::CalcWorksheet(std::shared_ptr<const OfficeConnection> connection,
                             Reference<css::sheet::XSpreadsheetDocument> document,
                             Reference<css::sheet::XSpreadsheet> sheet)
    : connection_(std::move(connection)), document_(std::move(document)), sheet_(std::move(sheet)) {}

void CalcWorksheet::setName(const std::u16string& name) {
    const std::u16string step = u"シート名を「" + name + u"」に変更";
    connection_->run(step, [&] {
        const Reference<css::container::XNamed> named(sheet_, UNO_QUERY_THROW);
        named->setName(ToOUString(name));
        // Calc leaves the old name in place, without an error, when the new
        // one is taken or not allowed.
        if (named->getName() != ToOUString(name)) {
            throw OperationFailed(u"LibreOffice Calc で" + step +
                                      u"できませんでした。同じ名前のシートがあるか、シート名に使えない文字があります。",
                                  "sheet name not accepted: " + ToUtf8(ToOUString(name)));
        }
    });
}

void CalcWorksheet::keepColumnAAsText() {
    connection_->run(u"列 A を文字列の書式に設定", [&] {
        css::lang::Locale locale;
        Reference<css::beans::XPropertySet>(document_, UNO_QUERY_THROW)->getPropertyValue("CharLocale") >>=
            locale;
        const Reference<css::util::XNumberFormatTypes> formats(
            Reference<css::util::XNumberFormatsSupplier>(document_, UNO_QUERY_THROW)->getNumberFormats(),
            UNO_QUERY_THROW);
        const sal_Int32 text = formats->getStandardFormat(css::util::NumberFormat::TEXT, locale);
        SheetColumn(sheet_, kColumnA)->setPropertyValue("NumberFormat", Any(text));
    });
}

void CalcWorksheet::paste() {
    connection_->run(u"クリップボードの内容を貼り付け", [&] {
        pasted_ = ReadClipboardText(connection_->office());
        ExportWrites writes(document_);
        WriteLines(sheet_, kColumnA, SplitLines(View(pasted_)));
    });
}

void CalcWorksheet::autoFitColumnA() {
    connection_->run(u"列 A の幅を調整", [&] {
        ExportWrites writes(document_);
        FitColumnA(sheet_, SplitLines(View(pasted_)));
    });
}

} // namespace tavrosk::libreoffice

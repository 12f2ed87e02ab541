#include "export/libreoffice/CalcServer.h"

#include "export/libreoffice/CalcWorksheet.h"
#include "export/libreoffice/OfficeConnection.h"

#include <com/sun/star/awt/XTopWindow.hpp>
#include <com/sun/star/awt/XWindow.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/sheet/XSpreadsheetView.hpp>
#include <com/sun/star/sheet/XSpreadsheets.hpp>

namespace tavrosk::libreoffice {

using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace {

void bringToFront(const Reference<css::frame::XModel>& model) {
    const Reference<css::awt::XWindow> window =
        model->getCurrentController()->getFrame()->getContainerWindow();
    window->setVisible(true);
    if (const Reference<css::awt::XTopWindow> top(window, UNO_QUERY); top.is())
        top->toFront();
}

// A name no sheet of the document has yet, for the moment between adding a
// sheet and naming it (Calc names a sheet as it inserts it).
OUString unusedName(const Reference<css::sheet::XSpreadsheets>& sheets) {
    for (sal_Int32 number = sheets->getElementNames().getLength() + 1;; ++number) {
        const OUString name = "Sheet" + OUString::number(number);
        if (!sheets->hasByName(name))
            return name;
    }
}

class CalcWorkbook final : public Workbook {
public:
    CalcWorkbook(std::shared_ptr<const OfficeConnection> connection,
                 Reference<css::sheet::XSpreadsheetDocument> document)
        : connection_(std::move(connection)), document_(std::move(document)) {}

    // Inserts the sheet first, before the document's own, and makes it the
    // one shown.
    std::unique_ptr<Worksheet> addWorksheet() override {
        return connection_->run(u"シートを追加", [&] {
            const Reference<css::sheet::XSpreadsheets> sheets = document_->getSheets();
            const OUString name = unusedName(sheets);
            sheets->insertNewByName(name, 0);
            const Reference<css::sheet::XSpreadsheet> sheet(sheets->getByName(name), UNO_QUERY_THROW);
            const Reference<css::frame::XModel> model(document_, UNO_QUERY_THROW);
            if (const Reference<css::sheet::XSpreadsheetView> view(model->getCurrentController(), UNO_QUERY);
                view.is())
                view->setActiveSheet(sheet);
            return std::make_unique<CalcWorksheet>(connection_, document_, sheet);
        });
    }

private:
    std::shared_ptr<const OfficeConnection> connection_;
    Reference<css::sheet::XSpreadsheetDocument> document_;
};

class CalcApplication final : public SpreadsheetApplication {
public:
    explicit CalcApplication(std::shared_ptr<const OfficeConnection> connection)
        : connection_(std::move(connection)) {}

    // Calc has no window of its own apart from its documents': the documents
    // opened from here on are shown and brought to the front.
    void makeVisible() override { visible_ = true; }

    std::unique_ptr<Workbook> addWorkbook() override {
        return connection_->run(u"新しいドキュメントを作成", [&] {
            const auto desktop = css::frame::Desktop::create(connection_->office());
            css::beans::PropertyValue hidden;
            hidden.Name = "Hidden";
            hidden.Value <<= !visible_;
            const Reference<css::sheet::XSpreadsheetDocument> document(
                desktop->loadComponentFromURL("private:factory/scalc", "_blank", 0,
                                              css::uno::Sequence<css::beans::PropertyValue>(&hidden, 1)),
                UNO_QUERY_THROW);
            if (visible_)
                bringToFront(Reference<css::frame::XModel>(document, UNO_QUERY_THROW));
            return std::make_unique<CalcWorkbook>(connection_, document);
        });
    }

private:
    std::shared_ptr<const OfficeConnection> connection_;
    bool visible_ = false;
};

} // namespace

CalcServer::CalcServer(OfficeOptions options) : options_(std::move(options)) {}

std::unique_ptr<SpreadsheetApplication> CalcServer::createApplication() {
    return std::make_unique<CalcApplication>(OfficeConnection::open(options_));
}

} // namespace tavrosk::libreoffice

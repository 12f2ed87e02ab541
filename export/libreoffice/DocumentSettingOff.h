#pragma once

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>

namespace tavrosk::libreoffice {

// Turns one of a Calc document's boolean settings ("IsUndoEnabled",
// "IsAdjustHeightEnabled", ...) off for its lifetime and on again at the end
// (quietly, as the office may be gone by then).
class DocumentSettingOff {
public:
    DocumentSettingOff(const css::uno::Reference<css::sheet::XSpreadsheetDocument>& document, const char* setting);
    ~DocumentSettingOff();
    DocumentSettingOff(const DocumentSettingOff&) = delete;
    DocumentSettingOff& operator=(const DocumentSettingOff&) = delete;

private:
    css::uno::Reference<css::beans::XPropertySet> document_;
    const char* setting_;
};

} // namespace tavrosk::libreoffice

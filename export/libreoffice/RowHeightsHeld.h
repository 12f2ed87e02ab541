#pragma once

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>

namespace tavrosk::libreoffice {

// Holds off a Calc document's fitting of each written row's height for its
// lifetime and lets it go again at the end (quietly, as the office may be gone
// by then). Calc lays every written row out again for it, which takes
// seconds for a long list of mixed Latin and Japanese text, while a line of
// text keeps the standard height anyway.
class RowHeightsHeld {
public:
    explicit RowHeightsHeld(const css::uno::Reference<css::sheet::XSpreadsheetDocument>& document);
    ~RowHeightsHeld();
    RowHeightsHeld(const RowHeightsHeld&) = delete;
    RowHeightsHeld& operator=(const RowHeightsHeld&) = delete;

private:
    css::uno::Reference<css::beans::XPropertySet> document_;
};

} // namespace tavrosk::libreoffice

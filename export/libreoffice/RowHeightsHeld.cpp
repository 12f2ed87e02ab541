#include "export/libreoffice/RowHeightsHeld.h"

namespace tavrosk::libreoffice {

using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

RowHeightsHeld::RowHeightsHeld(const Reference<css::sheet::XSpreadsheetDocument>& document)
    : document_(document, UNO_QUERY_THROW) {
    document_->setPropertyValue("IsAdjustHeightEnabled", Any(false));
}

RowHeightsHeld::~RowHeightsHeld() {
    try {
        document_->setPropertyValue("IsAdjustHeightEnabled", Any(true));
    } catch (...) {
    }
}

} // namespace tavrosk::libreoffice

#include "export/libreoffice/DocumentSettingOff.h"

namespace tavrosk::libreoffice {

using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

DocumentSettingOff::DocumentSettingOff(const Reference<css::sheet::XSpreadsheetDocument>& document,
                                       const char* setting)
    : document_(document, UNO_QUERY_THROW), setting_(setting) {
    document_->setPropertyValue(::rtl::OUString::createFromAscii(setting_), Any(false));
}

DocumentSettingOff::~DocumentSettingOff() {
    try {
        document_->setPropertyValue(::rtl::OUString::createFromAscii(setting_), Any(true));
    } catch (...) {
    }
}

} // namespace tavrosk::libreoffice

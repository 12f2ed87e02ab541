#include "app/platform/SpreadsheetBackend.h"

#include "export/excel/CreateExcelServer.h"

namespace tavrosk {

SpreadsheetBackend PlatformSpreadsheetBackend() {
    return {excel::createExcelServer(), std::make_unique<DirectCall>()};
}

} // namespace tavrosk

#include "app/qt/platform/SpreadsheetBackend.h"

#include "app/qt/platform/WorkerLongCall.h"
#include "export/libreoffice/CalcServer.h"

namespace tavrosk::qt {

SpreadsheetBackend PlatformSpreadsheetBackend() {
    return {std::make_unique<libreoffice::CalcServer>(), std::make_unique<WorkerLongCall>()};
}

} // namespace tavrosk::qt

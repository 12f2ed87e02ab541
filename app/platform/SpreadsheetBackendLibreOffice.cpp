#include "app/platform/SpreadsheetBackend.h"

#include "app/platform/WorkerLongCall.h"
#include "export/libreoffice/CalcServer.h"

namespace tavrosk {

SpreadsheetBackend PlatformSpreadsheetBackend() {
    return {std::make_unique<libreoffice::CalcServer>(), std::make_unique<WorkerLongCall>()};
}

} // namespace tavrosk

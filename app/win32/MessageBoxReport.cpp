#include "app/win32/MessageBoxReport.h"

#include "app/win32/WideText.h"

#include <cstdio>

namespace tavrosk::win32 {

void MessageBoxReport::show(const OperationFailed& failure) {
    std::fprintf(stderr, "tavrosk: %s\n", failure.cause().c_str());
    MessageBoxW(owner_, wide(failure.userMessage()), L"タヴロスク作成支援ツール", MB_OK | MB_ICONWARNING);
}

} // namespace tavrosk::win32

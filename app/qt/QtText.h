#pragma once

#include <QString>

#include <string_view>

namespace tavrosk::qt {

// The core's UTF-16 text as Qt's, code unit for code unit.
inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tavrosk::qt

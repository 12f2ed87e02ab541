#pragma once

#include <filesystem>
#include <system_error>

namespace tavrosk {

// Ends a folder read that failed: throws OperationFailed naming the folder
// and saying why in Japanese. noMedium: the folder's drive holds no medium or
// is not ready, which each platform learns in its own way.
[[noreturn]] void FailToRead(const std::filesystem::path& folder, const std::error_code& error, bool noMedium);

} // namespace tavrosk

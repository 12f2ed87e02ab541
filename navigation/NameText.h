#pragma once

#include <filesystem>
#include <string>

namespace tavrosk {

// A path or file name as text. On POSIX each name of the path is read as
// UTF-8; a name that is not UTF-8 but plainly CP932 (legacy Japanese) is read
// as CP932; otherwise each byte sequence that is not UTF-8 becomes U+FFFD, so
// that any name the file system holds can be shown.
std::u16string PathText(const std::filesystem::path& path);

// The path a text names, as the file system spells it (UTF-8 on POSIX).
// Throws OperationFailed for a text that cannot be a path.
std::filesystem::path PathFromText(const std::u16string& text);

// A file name as the list shows and appends it. Characters that would break
// the one-line-per-file list or be invisible (C0 controls, DEL, NEL, line and
// paragraph separators) are replaced by their visible Unicode control
// pictures, so "a\nb.mp3" shows as "a␊b.mp3". Everything else is kept.
std::u16string DisplayName(std::u16string name);

} // namespace tavrosk

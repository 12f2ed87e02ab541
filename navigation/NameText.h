#pragma once

#include <filesystem>
#include <string>

namespace tavrosk {

// A path or file name as text. On POSIX each name of the path is read as
// UTF-8; a name that is not UTF-8 but plainly CP932 (legacy Japanese) is read
// as CP932; otherwise each byte sequence that is not UTF-8 becomes U+FFFD, so
// that any name the file system holds can be shown. On Windows names are
// UTF-16 and taken unit for unit.
std::u16string PathText(const std::filesystem::path& path);

// A path for a failure's technical cause: UTF-8 on every platform, for any
// name the file system holds (names PathText cannot read, and on Windows a
// surrogate without its pair, become U+FFFD).
std::string PathCause(const std::filesystem::path& path);

// A file name as the list shows and appends it. Characters that would break
// the one-line-per-file list or be invisible (C0 controls, DEL, NEL, line and
// paragraph separators) are replaced by their visible Unicode control
// pictures, so "a\nb.mp3" shows as "a␊b.mp3". Everything else is kept.
std::u16string DisplayName(std::u16string name);

} // namespace tavrosk

#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tavrosk {

// Reads the song title a music file's own tag gives.
class TitleReader {
public:
    virtual ~TitleReader() = default;
    // The title, or nothing: no tag, an empty title, a file that cannot be
    // read or is no regular file. Never throws; called from one thread at a
    // time, which need not be the window's.
    virtual std::optional<std::u16string> title(const std::filesystem::path& file) const = 0;
};

} // namespace tavrosk

#pragma once

#include "model/TitleReader.h"

namespace tavrosk {

// Titles through TagLib, from every format it reads (MP3, FLAC, Ogg, Opus,
// M4A, WMA, WAV, AIFF, APE, ...). Fields marked Latin-1 are read by
// Latin1FieldText, so CP932 bytes there show as Japanese. Only the tags are
// read, not the audio properties. Anything that is not a regular file (a
// FIFO, a device) is not opened.
class TagLibTitleReader final : public TitleReader {
public:
    // Sets TagLib's process-wide string handlers, once.
    TagLibTitleReader();
    std::optional<std::u16string> title(const std::filesystem::path& file) const override;
};

} // namespace tavrosk

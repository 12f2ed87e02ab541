#include "tags/TagLibTitleReader.h"

#include "tags/TagText.h"

#include <taglib/fileref.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/infotag.h>
#include <taglib/tag.h>
#include <taglib/wavfile.h>

#include <mutex>

namespace tavrosk {

namespace {

std::u16string fromTagLib(const TagLib::String& text) {
    const TagLib::ByteVector bytes = text.data(TagLib::String::UTF16LE);
    std::u16string out(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[static_cast<unsigned>(2 * i)]) |
                                       static_cast<unsigned char>(bytes[static_cast<unsigned>(2 * i + 1)]) << 8);
    return out;
}

TagLib::String toTagLib(const std::u16string& text) {
    TagLib::ByteVector bytes;
    for (const char16_t c : text) {
        bytes.append(static_cast<char>(c & 0xFF));
        bytes.append(static_cast<char>(c >> 8));
    }
    return TagLib::String(bytes, TagLib::String::UTF16LE);
}

// The fields marked Latin-1 in ID3v1, ID3v2 and RIFF INFO, read by the
// tool's rule. Writing is never asked for.
class Latin1Fields final : public TagLib::ID3v2::Latin1StringHandler,
                           public TagLib::ID3v1::StringHandler,
                           public TagLib::RIFF::Info::StringHandler {
public:
    TagLib::String parse(const TagLib::ByteVector& data) const override {
        return toTagLib(Latin1FieldText(std::string_view(data.data(), data.size())));
    }
};

const Latin1Fields kLatin1Fields;

TagLib::String titleOf(const TagLib::FileRef& ref) {
    // A WAV file's tag() is its ID3v2 tag only; its INFO list is apart.
    if (const auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(ref.file())) {
        TagLib::String title = wav->hasID3v2Tag() ? wav->ID3v2Tag()->title() : TagLib::String();
        if (title.isEmpty() && wav->hasInfoTag())
            title = wav->InfoTag()->title();
        return title;
    }
    return ref.tag() ? ref.tag()->title() : TagLib::String();
}

} // namespace

TagLibTitleReader::TagLibTitleReader() {
    // TagLib keeps the handlers as plain pointers, for every file it reads.
    static std::once_flag once;
    std::call_once(once, [] {
        TagLib::ID3v2::Tag::setLatin1StringHandler(&kLatin1Fields);
        TagLib::ID3v1::Tag::setStringHandler(&kLatin1Fields);
        TagLib::RIFF::Info::Tag::setStringHandler(&kLatin1Fields);
    });
}

std::optional<std::u16string> TagLibTitleReader::title(const std::filesystem::path& file) const {
    // Opening a FIFO would wait for a writer, and a device may never end.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return std::nullopt;
    try {
        const TagLib::FileRef ref(file.c_str(), false);
        if (ref.isNull())
            return std::nullopt;
        const TagLib::String title = titleOf(ref);
        if (title.isEmpty())
            return std::nullopt;
        return fromTagLib(title);
    } catch (...) {
        return std::nullopt;
    }
}

} // namespace tavrosk

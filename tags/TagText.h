#pragma once

#include <string>
#include <string_view>

namespace tavrosk {

// The text of a tag field marked Latin-1 (ID3v1, ID3v2's encoding 0, RIFF
// INFO), up to its first NUL. Old Japanese encoders wrote CP932 there, and
// some newer ones UTF-8: valid UTF-8 is read as UTF-8; bytes that read as
// CP932 by the rule in docs/tag-text.md as CP932; anything else as Latin-1.
std::u16string Latin1FieldText(std::string_view bytes);

} // namespace tavrosk

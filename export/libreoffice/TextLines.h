#pragma once

#include <string_view>
#include <vector>

namespace tavrosk::libreoffice {

// The lines of a text, split at CR LF, LF or a lone CR. A line break at the
// very end closes the last line and opens no empty one; empty lines inside
// are kept. An empty text has no lines.
std::vector<std::u16string_view> SplitLines(std::u16string_view text);

} // namespace tavrosk::libreoffice

#pragma once

#include <com/sun/star/sheet/XSpreadsheet.hpp>

#include <string_view>
#include <vector>

namespace tavrosk::libreoffice {

// Gives column A the width Calc's own fit of the whole column gives it, for
// the lines written there, without Calc laying out every line (seconds for
// a long list of mixed Latin and Japanese): Calc fits only the lines that
// may be the widest, ranked by an estimate from the cell's fonts, in column
// B, which is emptied and given its width back afterwards. A short list is
// fitted in place.
void FitColumnA(const css::uno::Reference<css::sheet::XSpreadsheet>& sheet,
                const std::vector<std::u16string_view>& lines);

} // namespace tavrosk::libreoffice

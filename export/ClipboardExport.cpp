#include "export/ClipboardExport.h"

namespace tavrosk {

void CopyListToClipboard(FormState& state) {
    state.clipboard.clear();
    state.clipboard.setText(state.text1.text());
    state.text1.setText(u"");
    state.text2.setText(u"");
}

} // namespace tavrosk

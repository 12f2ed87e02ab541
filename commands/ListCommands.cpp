#include "commands/ListCommands.h"

#include "navigation/NameText.h"

#include <cstddef>
#include <string>

namespace tavrosk {

namespace {

void setEverySelected(FileList& files, bool selected) {
    const std::size_t count = files.count();
    for (std::size_t i = count; i-- > 0;)
        files.setSelected(i, selected);
}

} // namespace

void SelectAllFiles(FormState& state) {
    setEverySelected(state.file1, true);
}

void AppendSelectedNames(FormState& state) {
    // The names go into one block that is appended once: writing the field
    // per name would rewrite the whole list each time. If reading an entry
    // fails, the names gathered before it are still appended, as if each had
    // been written on its own.
    std::u16string block;
    const std::size_t count = state.file1.count();
    try {
        for (std::size_t i = 0; i < count; ++i) {
            if (state.file1.isSelected(i)) {
                block += state.file1.name(i);
                block += kLineEnd;
            }
        }
    } catch (...) {
        if (!block.empty())
            state.text1.append(block);
        throw;
    }
    if (!block.empty())
        state.text1.append(block);
}

void AppendFolderPath(FormState& state) {
    state.text1.append(PathText(state.dir1.path()) + kLineEnd);
}

void ClearAll(FormState& state) {
    state.text1.setText(u"");
    state.text2.setText(u"");
    setEverySelected(state.file1, false);
}

} // namespace tavrosk

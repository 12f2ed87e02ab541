#include "commands/TagTitles.h"

#include "commands/ListCommands.h"
#include "navigation/NameText.h"

#include <string_view>
#include <vector>

namespace tavrosk {

namespace {

// Tags are padded with spaces and NULs; a title of only those is none.
std::u16string_view trimmed(std::u16string_view title) {
    constexpr std::u16string_view kPadding = u" \t\u3000";
    const std::size_t first = title.find_first_not_of(kPadding);
    if (first == std::u16string_view::npos)
        return {};
    return title.substr(first, title.find_last_not_of(kPadding) - first + 1);
}

} // namespace

void AppendTitlesFromTags(FormState& state, const TitleReader& titles, BackgroundSteps& steps) {
    // The window's controls are read here, on its thread; the steps touch
    // only the files and their own line.
    std::vector<std::filesystem::path> files;
    std::vector<std::u16string> lines;
    const std::size_t count = state.file1.count();
    for (std::size_t i = 0; i < count; ++i) {
        if (state.file1.isSelected(i)) {
            files.push_back(state.file1.file(i));
            lines.push_back(state.file1.name(i));
        }
    }
    if (files.empty())
        return;
    const bool done = steps.run(files.size(), [&](std::size_t i) {
        if (const std::optional<std::u16string> title = titles.title(files[i]))
            if (const std::u16string_view text = trimmed(*title); !text.empty())
                lines[i] = DisplayName(std::u16string(text));
    });
    if (!done)
        return;
    std::u16string block;
    for (const std::u16string& line : lines)
        (block += line) += kLineEnd;
    state.text1.append(block);
}

} // namespace tavrosk

#pragma once

// The tool's own entries in the controls' context menus, free of any window
// toolkit: both windows add them to File1's menu and after the edit entries
// of Text1's, and run them through the core like a button's action.

#include "commands/Action.h"

#include <array>
#include <string_view>

namespace tavrosk::menus {

struct Entry {
    std::u16string_view caption;  // with its access key, as Japanese menus show it
    Action action;
};

inline constexpr std::array<Entry, 1> kFile1{{{u"タグの曲名を追加(&T)", Action::AppendTitlesFromTags}}};
inline constexpr std::array<Entry, 1> kText1{{{u"行頭の番号を削除(&N)", Action::RemoveTrackNumbers}}};

// The window that shows how far the tags have been read.
inline constexpr std::u16string_view kReadingTitle = u"タグを読んでいます";
inline constexpr std::u16string_view kCancel = u"キャンセル";

} // namespace tavrosk::menus

#pragma once

// The texts both windows show besides their controls' captions.

#include <string_view>

namespace tavrosk::texts {

inline constexpr std::u16string_view kWindowTitle = u"タヴロスク作成支援ツール";

// The version is the project's, given by CMake.
inline constexpr std::u16string_view kVersion = u"タヴロスク作成支援ツール " TAVROSK_VERSION;

// What --help shows.
inline constexpr std::u16string_view kUsage =
    u"使い方: tavrosk [フォルダ | ファイル...]\n"
    u"フォルダのファイル名から曲名のリストを作るツールです。\n"
    u"フォルダを渡すとそのフォルダを、ファイルを渡すとそのファイルを選んだ状態で\n"
    u"そのフォルダを開きます。何も渡さなければ現在のフォルダを開きます。\n"
    u"\n"
    u"  --help     この説明を表示して終わります\n"
    u"  --version  バージョンを表示して終わります\n"
    u"  --         これより後の引数は - で始まってもパスとして扱います\n";

// Said of an option the tool does not know, before the option and the usage.
inline constexpr std::u16string_view kUnknownOption = u"不明なオプションです: ";

} // namespace tavrosk::texts

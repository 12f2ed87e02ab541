#include "navigation/FolderReader.h"

#include "model/OperationFailed.h"
#include "navigation/NameText.h"
#include "navigation/ReadFailure.h"

namespace tavrosk {

namespace {

std::u16string reasonFor(const std::error_code& error, bool noMedium) {
    if (noMedium)
        return u"ドライブにメディアがありません。";
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return u"アクセスが拒否されました。";
    if (error == std::errc::no_such_file_or_directory)
        return u"フォルダが見つかりません。削除されたか、名前が変わった可能性があります。";
    if (error == std::errc::not_a_directory)
        return u"フォルダではありません。";
    if (error == std::errc::io_error)
        return u"読み取りエラーが発生しました。";
    return u"読み取れません。";
}

} // namespace

void FailToRead(const std::filesystem::path& folder, const std::error_code& error, bool noMedium) {
    throw OperationFailed(u"フォルダ「" + PathText(folder) + u"」を開けません。\n" + reasonFor(error, noMedium),
                          "reading " + PathCause(folder) + ": " + error.message());
}

} // namespace tavrosk

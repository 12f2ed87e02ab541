#include "navigation/HandedOver.h"

#include "model/OperationFailed.h"
#include "navigation/FolderReader.h"
#include "navigation/NameText.h"

#include <optional>
#include <string>
#include <system_error>

namespace tavrosk {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if ((text[i] | 0x20) != prefix[i])
            return false;
    return true;
}

// The path of one file:// URI on this machine: "file:///a/b" or
// "file://localhost/a/b". A broken escape, a NUL byte, another host or
// another scheme gives nothing.
std::optional<std::filesystem::path> pathFromFileUri(std::string_view uri) {
    constexpr std::string_view scheme = "file://";
    if (!startsWithNoCase(uri, scheme))
        return std::nullopt;
    uri.remove_prefix(scheme.size());
    const std::size_t slash = uri.find('/');
    if (slash == std::string_view::npos)
        return std::nullopt;
    const std::string_view host = uri.substr(0, slash);
    if (!host.empty() && !(host.size() == 9 && startsWithNoCase(host, "localhost")))
        return std::nullopt;
    uri.remove_prefix(slash);
    // The query and fragment parts are not part of a file's path.
    uri = uri.substr(0, uri.find_first_of("?#"));

    std::string bytes;
    bytes.reserve(uri.size());
    for (std::size_t i = 0; i < uri.size(); ++i) {
        if (uri[i] != '%') {
            bytes += uri[i];
            continue;
        }
        const int high = i + 2 < uri.size() ? hexValue(uri[i + 1]) : -1;
        const int low = high < 0 ? -1 : hexValue(uri[i + 2]);
        if (low < 0 || (high == 0 && low == 0))
            return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return std::filesystem::path(std::move(bytes));
}

[[noreturn]] void cannotOpen(const std::filesystem::path& path, std::u16string_view reason, std::string cause) {
    throw OperationFailed(u"「" + PathText(path) + u"」を開けません。\n" + std::u16string(reason),
                          "opening " + PathCause(path) + ": " + cause);
}

} // namespace

std::vector<std::filesystem::path> PathsFromUriList(std::string_view uriList) {
    std::vector<std::filesystem::path> paths;
    while (!uriList.empty()) {
        const std::size_t end = uriList.find('\n');
        std::string_view line = uriList.substr(0, end);
        uriList.remove_prefix(end == std::string_view::npos ? uriList.size() : end + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        if (std::optional<std::filesystem::path> path = pathFromFileUri(line))
            paths.push_back(std::move(*path));
    }
    return paths;
}

FolderToOpen FolderToOpenFor(const std::vector<std::filesystem::path>& paths) {
    const std::filesystem::path first = std::filesystem::absolute(paths.front()).lexically_normal();
    std::error_code error;
    const std::filesystem::file_status status = StatusOf(first, error);
    if (status.type() == std::filesystem::file_type::not_found)
        cannotOpen(first, u"ファイルまたはフォルダが見つかりません。", "not found");
    if (error)
        cannotOpen(first,
                   error == std::errc::permission_denied ? u"アクセスが拒否されました。" : u"読み取れません。",
                   error.message());
    if (std::filesystem::is_directory(status))
        return {first, {}};
    if (!std::filesystem::is_regular_file(status))
        cannotOpen(first, u"フォルダでもファイルでもありません。", "neither a folder nor a regular file");

    FolderToOpen target{first.parent_path(), {}};
    for (const std::filesystem::path& path : paths) {
        const std::filesystem::path file = std::filesystem::absolute(path).lexically_normal();
        if (file.parent_path() == target.folder && file.has_filename())
            target.files.push_back(file.filename());
    }
    return target;
}

} // namespace tavrosk

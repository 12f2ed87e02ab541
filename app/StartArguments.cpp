#include "app/StartArguments.h"

#include "app/Form1.h"
#include "commands/RunCommand.h"
#include "model/OperationFailed.h"
#include "navigation/HandedOver.h"

#include <optional>

namespace tavrosk {

std::vector<std::filesystem::path> StartArguments(int argc, char* argv[]) {
    std::vector<std::filesystem::path> paths;
    for (int i = 1; i < argc; ++i)
        paths.emplace_back(argv[i]);
    return paths;
}

void ShowStartFolder(Form1& form, FailureReport& report, const std::vector<std::filesystem::path>& arguments) {
    std::optional<FolderToOpen> target;
    if (!arguments.empty())
        RunCommand(report, [&] {
            try {
                target = FolderToOpenFor(arguments);
            } catch (const OperationFailed& failure) {
                throw OperationFailed(failure.userMessage() + u"\n現在のフォルダで開きます。", failure.cause());
            }
        });
    if (!target || !form.showStartFolder(target->folder, target->files))
        form.showStartFolder(std::filesystem::current_path());
}

} // namespace tavrosk

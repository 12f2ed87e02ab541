#include "commands/RunCommand.h"

#include <exception>
#include <string>

namespace tavrosk {

void RunCommand(FailureReport& report, const std::function<void()>& command) {
    try {
        command();
    } catch (const OperationFailed& failure) {
        report.show(failure);
    } catch (const std::exception& e) {
        report.show(OperationFailed(u"予期しないエラーが発生しました。", e.what()));
    }
}

} // namespace tavrosk

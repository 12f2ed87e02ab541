#pragma once

#include "model/OperationFailed.h"

#include <functional>

namespace tavrosk {

// Where failures go: the window shows them to the user.
class FailureReport {
public:
    virtual ~FailureReport() = default;
    virtual void show(const OperationFailed& failure) = 0;
};

// Runs one bound command to its end or to its first failure, and hands a
// failure to the report; the tool goes on either way. Any other exception is
// reported as an unexpected failure rather than ending the program.
void RunCommand(FailureReport& report, const std::function<void()>& command);

} // namespace tavrosk

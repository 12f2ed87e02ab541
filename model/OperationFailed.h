#pragma once

#include <exception>
#include <string>

namespace tavrosk {

// Thrown by any operation of the window's state that cannot be carried out
// (a folder that has gone, a clipboard another program holds, an office that
// does not start). It ends the running command at that step; the steps already
// done stay done. It carries two texts: a Japanese sentence for the user that
// says what failed and on which folder or file, and the technical cause.
class OperationFailed : public std::exception {
public:
    OperationFailed(std::u16string userMessage, std::string cause)
        : userMessage_(std::move(userMessage)), cause_(std::move(cause)) {}

    const std::u16string& userMessage() const noexcept { return userMessage_; }
    const std::string& cause() const noexcept { return cause_; }
    const char* what() const noexcept override { return cause_.c_str(); }

private:
    std::u16string userMessage_;
    std::string cause_;
};

} // namespace tavrosk

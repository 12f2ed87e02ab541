#pragma once

#include <string>

namespace tavrosk::qt {

// Empty when a display answers; otherwise one line for the terminal saying
// that none was found and how to start the tool. Asked before Qt starts,
// which would otherwise end the program with its own advice.
std::string MissingDisplay();

} // namespace tavrosk::qt

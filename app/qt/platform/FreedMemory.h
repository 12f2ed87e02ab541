#pragma once

namespace tavrosk::qt {

// Hands the memory freed since to the system once the window's queue is
// idle. Called after the list's widget is written: a whole list's text and
// layout are megabytes, and the allocator keeps what they leave behind
// (on glibc, about 15 MB at 32,767 names) for the process's whole life.
void ReturnFreedMemorySoon();

} // namespace tavrosk::qt

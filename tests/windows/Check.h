#pragma once

// A small self-check for the test programs run under Wine (no test framework
// there): each failed check prints what and where, finish() prints the
// totals and gives the program's exit code.

#include <cstdio>
#include <string>

namespace check {

inline int passed = 0, failed = 0;

// A text as it reads in a report: UTF-16 beyond ASCII as \uXXXX.
template <class Text>
std::string show(const Text& text) {
    std::string out = "\"";
    for (auto c : text) {
        char unit[8];
        std::snprintf(unit, sizeof unit, c >= 0x20 && c < 0x7F ? "%c" : "\\u%04X", static_cast<unsigned>(c & 0xFFFF));
        out += c == '\n' ? std::string("\n") : unit;
    }
    return out + "\"";
}

inline bool record(bool ok, const char* what, const char* file, int line, const std::string& detail = {}) {
    ok ? ++passed : ++failed;
    if (!ok)
        std::printf("FAILED %s:%d: %s%s\n", file, line, what, detail.c_str());
    return ok;
}

template <class Text>
bool equal(const Text& actual, const Text& expected, const char* what, const char* file, int line) {
    const bool ok = actual == expected;
    return record(ok, what, file, line, ok ? "" : "\n  actual:   " + show(actual) + "\n  expected: " + show(expected));
}

inline int finish() {
    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    return failed == 0 ? 0 : 1;
}

} // namespace check

#define CHECK(condition) ::check::record((condition), #condition, __FILE__, __LINE__)
// For std::string and std::u16string.
#define CHECK_EQ(actual, expected) ::check::equal((actual), (expected), #actual " == " #expected, __FILE__, __LINE__)

#include "tests/libreoffice/TestOffice.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace tavrosk::test {

static std::unique_ptr<TestOffice> shared;

TestOffice& sharedOffice() {
    if (!shared)
        shared = std::make_unique<TestOffice>();
    return *shared;
}

// Ends the shared office while the UNO runtime is still whole.
struct SharedOfficeEnd final : ::testing::Environment {
    void TearDown() override { shared.reset(); }
};

} // namespace tavrosk::test

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (std::getenv("DISPLAY") == nullptr) {
        std::fprintf(stderr, "DISPLAY is not set: these tests need an X server (e.g. Xvfb).\n");
        return 1;
    }
    ::testing::AddGlobalTestEnvironment(new tavrosk::test::SharedOfficeEnd);
    return RUN_ALL_TESTS();
}

#include "commands/RunCommand.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace tavrosk::test {
namespace {

struct RecordingReport final : FailureReport {
    void show(const OperationFailed& failure) override { shown.push_back(failure); }
    std::vector<OperationFailed> shown;
};

TEST(RunCommand, ReportsEachFailureOnceAndGoesOn) {
    RecordingReport report;
    RunCommand(report, [] {});
    EXPECT_TRUE(report.shown.empty());

    RunCommand(report, [] { throw OperationFailed(u"フォルダ「/x」を開けません。", "ENOENT"); });
    RunCommand(report, [] { throw std::runtime_error("bad_alloc somewhere"); });

    ASSERT_EQ(report.shown.size(), 2u);
    EXPECT_EQ(report.shown[0].userMessage(), u"フォルダ「/x」を開けません。");
    EXPECT_EQ(report.shown[1].cause(), "bad_alloc somewhere");
    EXPECT_FALSE(report.shown[1].userMessage().empty());
}

} // namespace
} // namespace tavrosk::test

// Which lines Calc is asked to fit: every line within 3 % of the widest
// estimate, at least the 64 widest, at most 16 of one estimate and 4,096 in
// all, widest first.

#include "export/libreoffice/WidestLineCandidates.h"

#include <gtest/gtest.h>

namespace tavrosk::test {
namespace {

std::vector<double> estimates(std::size_t count, double widest, double step) {
    std::vector<double> values;
    for (std::size_t i = 0; i < count; ++i)
        values.push_back(widest - static_cast<double>(i) * step);
    return values;
}

TEST(WidestLineCandidates, FollowTheMarginTheFloorAndTheCaps) {
    auto crowd = std::vector<double>(1000, 50.0);
    crowd.push_back(100.0);
    const struct {
        const char* what;
        std::vector<double> estimates;
        std::size_t count, first, last;
    } cases[] = {
        {"one widest line, then a crowd of equal ones", crowd, 17, 1000, 15},
        {"far apart: the 64 widest", estimates(200, 199, 1), 64, 0, 63},
        {"100 lines within 3 %", estimates(100, 100, 0.02), 100, 0, 99},
        {"5,000 lines within 3 %", estimates(5000, 1000, 0.005), 4096, 0, 4095},
        {"no lines", {}, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const auto candidates = libreoffice::WidestLineCandidates(c.estimates);
        ASSERT_EQ(candidates.size(), c.count) << c.what;
        if (c.count > 0) {
            EXPECT_EQ(candidates.front(), c.first) << c.what;
            EXPECT_EQ(candidates.back(), c.last) << c.what;
        }
    }
}

} // namespace
} // namespace tavrosk::test

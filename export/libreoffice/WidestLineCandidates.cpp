#include "export/libreoffice/WidestLineCandidates.h"

#include <algorithm>
#include <numeric>

namespace tavrosk::libreoffice {

namespace {

// Room for what the estimates leave out: kerning and shaping.
constexpr double kMargin = 0.03;
constexpr std::size_t kAtLeast = 64;
constexpr std::size_t kOfOneEstimate = 16;
constexpr std::size_t kAtMost = 4096;

} // namespace

std::vector<std::size_t> WidestLineCandidates(const std::vector<double>& estimates) {
    std::vector<std::size_t> order(estimates.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return estimates[a] > estimates[b]; });

    std::vector<std::size_t> candidates;
    if (order.empty())
        return candidates;
    const double threshold = estimates[order.front()] * (1 - kMargin);
    std::size_t ofThisEstimate = 0;
    for (std::size_t rank = 0; rank < order.size() && candidates.size() < kAtMost; ++rank) {
        const double estimate = estimates[order[rank]];
        if (estimate < threshold && candidates.size() >= kAtLeast)
            break;
        ofThisEstimate = rank > 0 && estimate == estimates[order[rank - 1]] ? ofThisEstimate + 1 : 1;
        if (ofThisEstimate <= kOfOneEstimate)
            candidates.push_back(order[rank]);
    }
    return candidates;
}

} // namespace tavrosk::libreoffice

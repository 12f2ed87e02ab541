#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tavrosk {

// The order in which the platform's file manager shows names: ignoring case,
// with runs of digits compared as numbers ("2 x" before "10 x"). Each window
// brings its platform's own.
class NameOrder {
public:
    virtual ~NameOrder() = default;
    // The positions of names in that order.
    virtual std::vector<std::size_t> sorted(const std::vector<std::u16string>& names) const = 0;
};

} // namespace tavrosk

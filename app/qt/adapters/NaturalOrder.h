#pragma once

#include "navigation/NameOrder.h"

namespace tavrosk::qt {

// The order in which a file manager on the desktop shows names:
// locale-aware, ignoring case, with runs of digits compared as numbers.
class NaturalOrder final : public NameOrder {
public:
    std::vector<std::size_t> sorted(const std::vector<std::u16string>& names) const override;
};

} // namespace tavrosk::qt

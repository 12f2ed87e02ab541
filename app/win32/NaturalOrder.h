#pragma once

#include "navigation/NameOrder.h"

namespace tavrosk::win32 {

// The order Explorer shows names in: case-insensitive, with runs of digits
// compared as numbers ("2 x" before "10 x").
class NaturalOrder final : public NameOrder {
public:
    std::vector<std::size_t> sorted(const std::vector<std::u16string>& names) const override;
};

} // namespace tavrosk::win32

#include "app/win32/NaturalOrder.h"

#include "app/win32/WideText.h"

#include <shlwapi.h>

#include <algorithm>
#include <numeric>

namespace tavrosk::win32 {

std::vector<std::size_t> NaturalOrder::sorted(const std::vector<std::u16string>& names) const {
    std::vector<std::size_t> order(names.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return StrCmpLogicalW(Wide(names[a]), Wide(names[b])) < 0;
    });
    return order;
}

} // namespace tavrosk::win32

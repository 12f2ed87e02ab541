#include "app/qt/adapters/NaturalOrder.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

namespace tavrosk::qt {

std::vector<std::size_t> NaturalOrder::sorted(const std::vector<std::u16string>& names) const {
    // The C locale collates by code point and knows no numeric mode; the
    // tool's own language stands in for it.
    const QLocale system;
    QCollator collator(system.language() == QLocale::C ? QLocale(QLocale::Japanese, QLocale::Japan) : system);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);

    // One sort key per name, so that each comparison is a plain byte compare.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(names.size());
    for (const std::u16string& name : names)
        keys.push_back(collator.sortKey(QString::fromStdU16String(name)));
    std::vector<std::size_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int byKey = keys[a].compare(keys[b]);
        return byKey != 0 ? byKey < 0 : names[a] < names[b];
    });
    return order;
}

} // namespace tavrosk::qt

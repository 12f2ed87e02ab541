#include "app/adapters/NaturalOrder.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

namespace tavrosk {

std::vector<qsizetype> NaturalOrder(const QStringList& names) {
    // The C locale collates by code point and knows no numeric mode; the
    // tool's own language stands in for it.
    const QLocale system;
    QCollator collator(system.language() == QLocale::C ? QLocale(QLocale::Japanese, QLocale::Japan) : system);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);

    // One sort key per name, so that each comparison is a plain byte compare.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names)
        keys.push_back(collator.sortKey(name));
    std::vector<qsizetype> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const int byKey = keys[a].compare(keys[b]);
        return byKey != 0 ? byKey < 0 : names[a] < names[b];
    });
    return order;
}

} // namespace tavrosk

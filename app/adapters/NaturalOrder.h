#pragma once

#include <QStringList>

#include <vector>

namespace tavrosk {

// The order in which a file manager shows names: locale-aware, ignoring
// case, with runs of digits compared as numbers ("2 x" before "10 x").
// Returns the positions of names in that order.
std::vector<qsizetype> NaturalOrder(const QStringList& names);

} // namespace tavrosk

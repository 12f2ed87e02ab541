#pragma once

#include <cstddef>
#include <vector>

namespace tavrosk::libreoffice {

// The lines that may be the widest, given each line's estimated width: every
// line within 3 % of the widest estimate, and at least the 64 widest; of
// lines with one and the same estimate (a list of one shape ties by the
// thousand) at most 16, and at most 4,096 in all. Returns their indices,
// widest estimate first.
std::vector<std::size_t> WidestLineCandidates(const std::vector<double>& estimates);

} // namespace tavrosk::libreoffice

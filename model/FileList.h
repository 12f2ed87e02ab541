#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace tavrosk {

// The multi-select list of the files of one folder. Positions run from 0 to
// count() - 1 in the order the list shows its entries.
class FileList {
public:
    virtual ~FileList() = default;

    virtual std::size_t count() const = 0;
    // The bare file name (no folder part) of the entry at that position.
    virtual std::u16string name(std::size_t position) const = 0;
    // The entry's file, its folder included, as the file system spells it.
    virtual std::filesystem::path file(std::size_t position) const = 0;
    virtual bool isSelected(std::size_t position) const = 0;
    // Selects or deselects that one entry, leaving the others as they are.
    virtual void setSelected(std::size_t position, bool selected) = 0;
    // Lists the files of that folder; the list is complete when this returns.
    virtual void setPath(const std::filesystem::path& folder) = 0;
};

} // namespace tavrosk

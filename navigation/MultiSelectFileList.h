#pragma once

#include "model/FileList.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavrosk {

class NameOrder;
class SharedFolderRead;

// The file list as the window's toolkit shows it.
class FileListView {
public:
    virtual ~FileListView() = default;
    // Shows the list's names, count of them, none selected. The view keeps
    // no copy: it reads the names it draws from the list (FileList::name).
    virtual void showNames(std::size_t count) = 0;
    // The selection flags have changed on the program's side: the view
    // brings its own selection in line (from selectedRuns()) once control
    // is back in the window's event loop. Raised once until then.
    virtual void selectionChanged() = 0;
    virtual void scrollTo(std::size_t position) = 0;
};

// File1: the files of one folder, hidden and system files left out, shown by
// name in the platform's order, with extended multiple selection.
//
// The selection is kept as one flag per entry. Commands set entries one at a
// time; the view is brought in line afterwards, one range per run of
// selected entries, since selecting rows one by one costs a list widget time
// quadratic in the rows. What the user selects flows back into the flags.
class MultiSelectFileList final : public FileList {
public:
    MultiSelectFileList(FileListView& view, SharedFolderRead& reading, const NameOrder& order)
        : view_(view), reading_(reading), order_(order) {}

    std::size_t count() const override { return names_.count(); }
    std::u16string name(std::size_t position) const override;
    std::filesystem::path file(std::size_t position) const override;
    bool isSelected(std::size_t position) const override;
    void setSelected(std::size_t position, bool selected) override;
    // A new folder starts with nothing selected.
    void setPath(const std::filesystem::path& folder) override;

    // Selects the entries with those bare names, compared as the file system
    // spells them (bytes on POSIX), not as shown; other entries keep their
    // state, names not listed are passed over, and the first one selected
    // comes into view.
    void selectFiles(const std::vector<std::filesystem::path>& names);

    // The runs of selected entries, first and last position of each, in
    // order, for the view to show.
    std::vector<std::pair<std::size_t, std::size_t>> selectedRuns();

    // The user selected (or deselected) the entries from first to last in
    // the view.
    void userSelected(std::size_t first, std::size_t last, bool selected);

private:
    // Strings kept end to end in one block, with where each ends: a folder's
    // names cost their characters and one offset each, not an allocation
    // each.
    template <typename Char>
    class Strings {
    public:
        std::size_t count() const { return ends_.size(); }
        std::basic_string_view<Char> operator[](std::size_t i) const {
            const std::size_t start = i == 0 ? 0 : ends_[i - 1];
            return std::basic_string_view<Char>(chars_).substr(start, ends_[i] - start);
        }
        void reserve(std::size_t count, std::size_t chars) {
            ends_.reserve(count);
            chars_.reserve(chars);
        }
        void push_back(std::basic_string_view<Char> s) {
            chars_ += s;
            ends_.push_back(chars_.size());
        }

    private:
        std::basic_string<Char> chars_;
        std::vector<std::size_t> ends_;
    };

    void checkPosition(std::size_t position) const;

    FileListView& view_;
    SharedFolderRead& reading_;
    const NameOrder& order_;
    std::filesystem::path folder_;
    Strings<char16_t> names_;
    // The entries' names as the file system spells them, in the list's order.
    Strings<std::filesystem::path::value_type> files_;
    std::vector<char> selected_;
    bool viewBehind_ = false;
};

} // namespace tavrosk

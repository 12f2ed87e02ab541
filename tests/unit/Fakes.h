#pragma once

// In-memory fakes of the window's state. Every operation is recorded in one
// shared CallLog, which can make the N-th operation (counting from 0) fail, so
// that tests see both the order of the calls and what a failure leaves behind.

#include "model/FormState.h"
#include "model/OperationFailed.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavrosk::test {

class CallLog {
public:
    void record(std::string call) {
        const std::size_t index = calls.size();
        calls.push_back(std::move(call));
        if (failAt && *failAt == index)
            throw OperationFailed(u"失敗", "injected failure at " + calls.back());
    }

    std::vector<std::string> calls;
    std::optional<std::size_t> failAt;
};

class FakeTextField final : public TextField {
public:
    FakeTextField(CallLog& log, std::string name) : log_(log), name_(std::move(name)) {}

    std::u16string text() const override { log_.record(name_ + ".text"); return value; }
    void setText(const std::u16string& text) override { log_.record(name_ + ".setText"); value = text; }
    void append(std::u16string_view tail) override { log_.record(name_ + ".append"); value += tail; }

    std::u16string value;

private:
    CallLog& log_;
    std::string name_;
};

class FakeFileList final : public FileList {
public:
    explicit FakeFileList(CallLog& log) : log_(log) {}

    void show(std::vector<std::u16string> entries) {
        names = std::move(entries);
        selected.assign(names.size(), false);
    }

    std::size_t count() const override { log_.record("file1.count"); return names.size(); }
    std::u16string name(std::size_t i) const override {
        log_.record("file1.name " + std::to_string(i));
        return names.at(i);
    }
    bool isSelected(std::size_t i) const override {
        log_.record("file1.isSelected " + std::to_string(i));
        return selected.at(i);
    }
    void setSelected(std::size_t i, bool value) override {
        log_.record("file1.setSelected " + std::to_string(i) + (value ? " on" : " off"));
        selected.at(i) = value;
    }
    void setPath(const std::filesystem::path& folder) override {
        log_.record("file1.setPath");
        path = folder;
    }

    std::vector<std::u16string> names;
    std::vector<bool> selected;
    std::filesystem::path path;

private:
    CallLog& log_;
};

class FakeFolderList final : public FolderList {
public:
    explicit FakeFolderList(CallLog& log) : log_(log) {}

    std::filesystem::path path() const override { log_.record("dir1.path"); return current; }
    void setPath(const std::filesystem::path& path) override {
        log_.record("dir1.setPath");
        current = path;
        changed().raise();
    }

    std::filesystem::path current;

private:
    CallLog& log_;
};

class FakeDriveList final : public DriveList {
public:
    explicit FakeDriveList(CallLog& log) : log_(log) {}

    std::filesystem::path drive() const override { log_.record("drive1.drive"); return current; }

    std::filesystem::path current;

private:
    CallLog& log_;
};

class FakeClipboard final : public Clipboard {
public:
    explicit FakeClipboard(CallLog& log) : log_(log) {}

    void clear() override { log_.record("clipboard.clear"); content.reset(); }
    void setText(const std::u16string& text) override { log_.record("clipboard.setText"); content = text; }
    bool hasPlainText() const override { log_.record("clipboard.hasPlainText"); return content.has_value(); }

    std::optional<std::u16string> content;

private:
    CallLog& log_;
};

// A whole window's state built from the fakes above.
struct FakeForm {
    CallLog log;
    FakeTextField text1{log, "text1"};
    FakeTextField text2{log, "text2"};
    FakeFileList file1{log};
    FakeFolderList dir1{log};
    FakeDriveList drive1{log};
    FakeClipboard clipboard{log};
    FormState state{text1, text2, file1, dir1, drive1, clipboard};

    std::vector<std::u16string> selectedNames() const {
        std::vector<std::u16string> result;
        for (std::size_t i = 0; i < file1.names.size(); ++i)
            if (file1.selected[i])
                result.push_back(file1.names[i]);
        return result;
    }
};

} // namespace tavrosk::test

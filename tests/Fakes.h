#pragma once

// One fake of each kind, shared by the unit and window tests. Every operation
// is recorded in one CallLog, which can make the N-th operation (counting
// from 0) fail, so that a test sees both the order of the calls and what a
// failure leaves behind.

#include "commands/RunCommand.h"
#include "export/SpreadsheetServer.h"
#include "model/FormState.h"
#include "model/TitleReader.h"
#include "navigation/ClassicFolderList.h"
#include "navigation/MultiSelectFileList.h"
#include "navigation/NameOrder.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <functional>
#include <memory>
#include <numeric>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace tavrosk::test {

class CallLog {
public:
    void record(std::string call) {
        if (onCall)
            onCall(call);
        calls.push_back(std::move(call));
        if (failAt && *failAt + 1 == calls.size())
            throw OperationFailed(u"失敗", "injected failure at " + calls.back());
    }
    std::vector<std::string> calls;
    std::optional<std::size_t> failAt;
    std::function<void(const std::string&)> onCall;  // runs before each call
};

struct FakeTextField final : TextField {
    FakeTextField(CallLog& log, std::string name) : log(log), name(std::move(name)) {}
    std::u16string text() const override { log.record(name + ".text"); return value; }
    void setText(const std::u16string& text) override { log.record(name + ".setText"); value = text; }
    void append(std::u16string_view tail) override { log.record(name + ".append"); value += tail; }
    CallLog& log;
    std::string name;
    std::u16string value;
};

struct FakeFileList final : FileList {
    explicit FakeFileList(CallLog& log) : log(log) {}
    std::size_t count() const override { log.record("file1.count"); return names.size(); }
    std::u16string name(std::size_t i) const override { return names.at(i); }
    std::filesystem::path file(std::size_t i) const override { return names.at(i); }
    bool isSelected(std::size_t i) const override { return selected.at(i); }
    void setSelected(std::size_t i, bool on) override {
        log.record("file1.setSelected " + std::to_string(i) + (on ? " on" : " off"));
        selected.at(i) = on;
    }
    void setPath(const std::filesystem::path&) override {}
    CallLog& log;
    std::vector<std::u16string> names;
    std::vector<bool> selected;
};

// Titles by file name, each read taking `delay`, as a slow disc would.
struct FakeTitleReader final : TitleReader {
    std::optional<std::u16string> title(const std::filesystem::path& file) const override {
        std::this_thread::sleep_for(delay);
        const auto found = titles.find(file.filename());
        return found == titles.end() ? std::nullopt : std::optional(found->second);
    }
    std::map<std::filesystem::path, std::u16string> titles;
    std::chrono::milliseconds delay{0};
};

struct FakeFolderList final : FolderList {
    std::filesystem::path path() const override { return current; }
    void setPath(const std::filesystem::path& path) override { current = path; }
    std::filesystem::path current;
};

struct FakeDriveList final : DriveList {
    std::filesystem::path drive() const override { return picked; }
    void showDriveOf(const std::filesystem::path& folder) override { shownFor = folder; }
    std::filesystem::path picked, shownFor;
};

// The views of the core's file and folder lists, recording what they are
// told, and a name order of the test's own: by code unit.
struct FakeViews final : FileListView, FolderListView, NameOrder {
    void showNames(std::size_t) override {}
    void selectionChanged() override { ++selectionRaised; }
    void scrollTo(std::size_t position) override { scrolledTo.push_back(position); }
    void showRows(const std::vector<FolderRow>& shown, std::size_t current) override {
        rows = shown;
        currentRow = current;
        ++rowsShown;
    }
    std::vector<std::size_t> sorted(const std::vector<std::u16string>& names) const override {
        std::vector<std::size_t> order(names.size());
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return names[a] < names[b]; });
        return order;
    }
    int selectionRaised = 0, rowsShown = 0;
    std::vector<std::size_t> scrolledTo;
    std::vector<FolderRow> rows;
    std::size_t currentRow = 0;
};

struct FakeClipboard final : Clipboard {
    explicit FakeClipboard(CallLog& log) : log(log) {}
    void clear() override { log.record("clipboard.clear"); content.reset(); }
    void setText(const std::u16string& text) override { log.record("clipboard.setText"); content = text; }
    bool hasPlainText() const override { log.record("clipboard.hasPlainText"); return content.has_value(); }
    CallLog& log;
    std::optional<std::u16string> content;
};

struct FakeForm {
    CallLog log;
    FakeTextField text1{log, "text1"};
    FakeTextField text2{log, "text2"};
    FakeFileList file1{log};
    FakeFolderList dir1;
    FakeDriveList drive1;
    FakeClipboard clipboard{log};
    FormState state{text1, text2, file1, dir1, drive1, clipboard};
};

// A spreadsheet application that records each call and counts the objects
// still referenced, so that a test sees every reference released.
struct RecordingSpreadsheet final : SpreadsheetServer {
    explicit RecordingSpreadsheet(CallLog& log) : log(log) {}
    // The application, a workbook or a sheet, each reached through its own interface.
    struct Held final : SpreadsheetApplication, Workbook, Worksheet {
        explicit Held(RecordingSpreadsheet& owner) : owner(owner) { ++owner.live; }
        ~Held() override { --owner.live; }
        void makeVisible() override { owner.log.record("app.makeVisible"); }
        std::unique_ptr<Workbook> addWorkbook() override { return owner.recorded("app.addWorkbook"); }
        std::unique_ptr<Worksheet> addWorksheet() override { return owner.recorded("book.addWorksheet"); }
        void setName(const std::u16string& name) override { owner.log.record("sheet.setName"); owner.name = name; }
        void keepColumnAAsText() override { owner.log.record("sheet.keepColumnAAsText"); }
        void paste() override { owner.log.record("sheet.paste"); }
        void autoFitColumnA() override { owner.log.record("sheet.autoFitColumnA"); }
        RecordingSpreadsheet& owner;
    };
    // Records the call, then makes its object: none when the call fails.
    std::unique_ptr<Held> recorded(const char* call) {
        log.record(call);
        return std::make_unique<Held>(*this);
    }
    std::unique_ptr<SpreadsheetApplication> createApplication() override { return recorded("server.createApplication"); }
    CallLog& log;
    int live = 0;
    std::u16string name;
};

struct RecordingReport final : FailureReport {
    void show(const OperationFailed& failure) override { messages.push_back(failure.userMessage()); }
    std::vector<std::u16string> messages;
};

} // namespace tavrosk::test

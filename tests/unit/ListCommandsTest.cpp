#include "commands/ListCommands.h"

#include "Fakes.h"

#include <gtest/gtest.h>

namespace tavrosk::test {
namespace {

const std::vector<std::u16string> kFive = {u"a.mp3", u"b.wav", u"c.mid", u"d.txt", u"e"};

TEST(SelectAllFiles, SelectsEveryEntryFromTheLastToTheFirst) {
    FakeForm form;
    form.file1.show({u"x", u"y", u"z"});
    form.file1.selected[1] = true;

    SelectAllFiles(form.state);

    EXPECT_EQ(form.file1.selected, std::vector<bool>({true, true, true}));
    EXPECT_EQ(form.log.calls, std::vector<std::string>({"file1.count", "file1.setSelected 2 on",
                                                        "file1.setSelected 1 on", "file1.setSelected 0 on"}));
}

TEST(SelectAllFiles, EmptyListAndSingleEntry) {
    FakeForm empty;
    SelectAllFiles(empty.state);
    EXPECT_EQ(empty.log.calls, std::vector<std::string>({"file1.count"}));

    FakeForm one;
    one.file1.show({u"only.mp3"});
    SelectAllFiles(one.state);
    EXPECT_EQ(one.file1.selected, std::vector<bool>({true}));
}

TEST(SelectAllFiles, HandlesMoreEntriesThanA16BitCount) {
    FakeForm form;
    form.file1.show(std::vector<std::u16string>(40000, u"n"));
    SelectAllFiles(form.state);
    EXPECT_EQ(form.selectedNames().size(), 40000u);
}

TEST(AppendSelectedNames, AppendsSelectedEntriesInListOrderEachWithCrLf) {
    FakeForm form;
    form.file1.show(kFive);
    form.file1.selected[3] = form.file1.selected[0] = form.file1.selected[2] = true;

    AppendSelectedNames(form.state);

    EXPECT_EQ(form.text1.value, u"a.mp3\r\nc.mid\r\nd.txt\r\n");
    EXPECT_EQ(form.selectedNames().size(), 3u) << "the selection stays as it was";
}

TEST(AppendSelectedNames, ContinuesTheUsersLastLineAndRepeatsOnASecondClick) {
    FakeForm form;
    form.file1.show(kFive);
    form.file1.selected[0] = true;
    form.text1.value = u"abc";

    AppendSelectedNames(form.state);
    AppendSelectedNames(form.state);

    EXPECT_EQ(form.text1.value, u"abca.mp3\r\na.mp3\r\n");
}

TEST(AppendSelectedNames, NothingSelectedOrEmptyListLeavesTheTextUntouched) {
    FakeForm form;
    form.file1.show(kFive);
    form.text1.value = u"keep\r\n";
    AppendSelectedNames(form.state);
    EXPECT_EQ(form.text1.value, u"keep\r\n");

    FakeForm empty;
    AppendSelectedNames(empty.state);
    EXPECT_EQ(empty.text1.value, u"");
}

TEST(AppendSelectedNames, NamesReadBeforeAFailureStayInTheText) {
    FakeForm form;
    form.file1.show(kFive);
    form.file1.selected.assign(5, true);
    form.text1.value = u"old\r\n";
    // count, then (isSelected, name) per entry: index 7 is isSelected(3).
    form.log.failAt = 7;

    EXPECT_THROW(AppendSelectedNames(form.state), OperationFailed);

    EXPECT_EQ(form.text1.value, u"old\r\na.mp3\r\nb.wav\r\nc.mid\r\n");
}

TEST(AppendSelectedNames, FailureOnTheFirstEntryChangesNothing) {
    FakeForm form;
    form.file1.show(kFive);
    form.file1.selected.assign(5, true);
    form.log.failAt = 1;

    EXPECT_THROW(AppendSelectedNames(form.state), OperationFailed);

    EXPECT_EQ(form.text1.value, u"");
    for (const std::string& call : form.log.calls)
        EXPECT_NE(call, "text1.append");
}

TEST(AppendFolderPath, AppendsThePathAsItIsWithCrLf) {
    FakeForm form;
    form.dir1.current = u"/";
    AppendFolderPath(form.state);
    EXPECT_EQ(form.text1.value, u"/\r\n");

    form.dir1.current = u"/music/アルバム";
    form.text1.value = u"typed";
    AppendFolderPath(form.state);
    EXPECT_EQ(form.text1.value, u"typed/music/アルバム\r\n");
}

TEST(ClearAll, EmptiesBothFieldsThenDeselectsFromLastToFirst) {
    FakeForm form;
    form.file1.show({u"x", u"y"});
    form.file1.selected.assign(2, true);
    form.file1.path = u"/m";
    form.text1.value = u"list\r\n";
    form.text2.value = u"ogg";

    ClearAll(form.state);

    EXPECT_EQ(form.text1.value, u"");
    EXPECT_EQ(form.text2.value, u"");
    EXPECT_EQ(form.file1.selected, std::vector<bool>({false, false}));
    EXPECT_EQ(form.file1.names.size(), 2u);
    EXPECT_EQ(form.file1.path, std::filesystem::path(u"/m"));
    EXPECT_EQ(form.log.calls, std::vector<std::string>({"text1.setText", "text2.setText", "file1.count",
                                                        "file1.setSelected 1 off", "file1.setSelected 0 off"}));
}

TEST(ClearAll, FailingDeselectLeavesTextsEmptyAndSelectionIntact) {
    FakeForm form;
    form.file1.show({u"x", u"y"});
    form.file1.selected.assign(2, true);
    form.text1.value = u"list\r\n";
    form.log.failAt = 3;

    EXPECT_THROW(ClearAll(form.state), OperationFailed);

    EXPECT_EQ(form.text1.value, u"");
    EXPECT_EQ(form.file1.selected, std::vector<bool>({true, true}));
}

} // namespace
} // namespace tavrosk::test

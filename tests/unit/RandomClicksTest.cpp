#include "commands/ExtensionStripping.h"
#include "commands/ListCommands.h"
#include "export/ClipboardExport.h"

#include "Fakes.h"

#include <gtest/gtest.h>

#include <random>

namespace tavrosk::test {
namespace {

// Random clicks on the buttons of a window over a small folder, checking
// after each click what must hold whatever came before.
TEST(RandomClicks, KeepTheListsInvariants) {
    std::mt19937 random(7);
    const std::vector<std::u16string> names = {u"a.mp3", u"b.WAV", u"曲.ogg", u"x.w.wavav", u"d.MID", u"e"};
    const std::vector<std::u16string> typed = {u"", u"ogg", u".ogg", u" ", u"wav"};

    for (int session = 0; session < 200; ++session) {
        FakeForm form;
        form.file1.show(names);
        form.dir1.current = u"/music/アルバム";
        for (int step = 0; step < 40; ++step) {
            // The user sometimes picks entries or types an extension.
            if (random() % 4 == 0)
                form.file1.selected[random() % names.size()] = random() % 2;
            if (random() % 6 == 0)
                form.text2.value = typed[random() % typed.size()];

            const std::u16string before = form.text1.value;
            const std::vector<std::u16string> selected = form.selectedNames();
            switch (random() % 6) {
            case 0:
                SelectAllFiles(form.state);
                EXPECT_EQ(form.selectedNames(), names);
                EXPECT_EQ(form.text1.value, before);
                break;
            case 1: {
                AppendSelectedNames(form.state);
                std::u16string expected = before;
                for (const std::u16string& name : selected)
                    expected += name + u"\r\n";
                EXPECT_EQ(form.text1.value, expected) << "grows by whole appended lines only";
                break;
            }
            case 2:
                AppendFolderPath(form.state);
                EXPECT_EQ(form.text1.value, before + u"/music/アルバム\r\n");
                break;
            case 3: {
                const std::u16string extension = form.text2.value;
                StripExtensions(form.state);
                EXPECT_LE(form.text1.value.size(), before.size()) << "stripping never adds characters";
                EXPECT_EQ(form.text2.value, extension);
                EXPECT_EQ(RemoveAll(form.text1.value, u".mp3"), form.text1.value) << "no .mp3 left";
                break;
            }
            case 4:
                ClearAll(form.state);
                EXPECT_EQ(form.text1.value, u"");
                EXPECT_EQ(form.text2.value, u"");
                EXPECT_TRUE(form.selectedNames().empty());
                break;
            case 5:
                CopyListToClipboard(form.state);
                EXPECT_EQ(form.clipboard.content, before);
                EXPECT_EQ(form.text1.value, u"");
                EXPECT_EQ(form.text2.value, u"");
                break;
            }
            EXPECT_EQ(form.file1.names, names) << "no command changes the folder's listing";
            if (HasFailure())
                return;
        }
    }
}

} // namespace
} // namespace tavrosk::test

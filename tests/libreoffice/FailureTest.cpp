#include "tests/libreoffice/TestOffice.h"

#include "export/libreoffice/UnoErrors.h"
#include "model/OperationFailed.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

namespace tavrosk::test {
namespace {

using libreoffice::kCannotStart;

// The user message of the OperationFailed the call throws.
template <class Call>
std::u16string failureOf(Call&& call) {
    try {
        call();
    } catch (const OperationFailed& e) {
        return e.userMessage();
    }
    ADD_FAILURE() << "no OperationFailed";
    return {};
}

bool contains(const std::u16string& text, std::u16string_view part) { return text.find(part) != text.npos; }

TEST(CalcStart, WithoutSofficeOnThePathSaysLibreOfficeIsMissing) {
    TestOffice office;
    libreoffice::CalcServer server(office.options());
    const auto empty = std::filesystem::temp_directory_path() / "tavrosk-empty-path";
    std::filesystem::create_directories(empty);
    const std::string path = std::getenv("PATH");
    setenv("PATH", empty.c_str(), 1);
    const std::u16string message = failureOf([&] { server.createApplication(); });
    setenv("PATH", path.c_str(), 1);
    EXPECT_TRUE(message.starts_with(kCannotStart) && contains(message, u"見つかりません"));
}

TEST(CalcStart, AnOfficeThatQuitsAtOnceIsReportedWithoutWaitingForTheDeadline) {
    TestOffice office;
    auto options = office.options();
    options.program = "false";
    libreoffice::CalcServer server(options);
    const auto started = std::chrono::steady_clock::now();
    const std::u16string message = failureOf([&] { server.createApplication(); });
    EXPECT_TRUE(message.starts_with(kCannotStart) && contains(message, u"終了しました"));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
}

TEST(CalcConnection, AnOfficeThatEndsMidwayGivesAnErrorNotACrash) {
    TestOffice office;
    libreoffice::CalcServer server(office.options());
    auto application = server.createApplication();
    auto worksheet = application->addWorkbook()->addWorksheet();
    office.terminate();
    ASSERT_FALSE(office.running());
    EXPECT_TRUE(contains(failureOf([&] { worksheet->setName(u"タヴロスク"); }), u"接続が切れた"));
    worksheet.reset();  // releasing what is left of it is quiet too
    application.reset();
}

TEST(CalcPaste, AClipboardWithoutTextIsReportedAsUnreadable) {
    // No XClipboard here: nobody owns the X clipboard.
    libreoffice::CalcServer server(sharedOffice().options());
    auto application = server.createApplication();
    application->makeVisible();
    auto worksheet = application->addWorkbook()->addWorksheet();
    EXPECT_TRUE(contains(failureOf([&] { worksheet->paste(); }), u"クリップボードの内容を文字列として読み取れない"));
}

} // namespace
} // namespace tavrosk::test

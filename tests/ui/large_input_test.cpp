// Large texts through the real window: pasted into every field, and through
// START into both previews and both files, with nothing cut on the way.
//
// Wine's rich edit reshapes the rest of a paragraph at every row it wraps, so
// its time grows with the square of a paragraph's length; one field's text is
// one paragraph of a preview, and megabyte paragraphs would take it many hours. So
// here the fields hold a megabyte each up to the run, and the run itself gets
// fields of a few kilobytes: texts still well past every default limit of the
// boxes. The full run with a megabyte in every field is timed in bench/window.
#include <windows.h>

#include <set>
#include <string>

#include "ansi_text.h"
#include "client_script.h"
#include "default_templates.h"
#include "rich_edit.h"
#include "server_file.h"
#include "support/clipboard.h"
#include "support/large_schedule.h"
#include "support/message_box_watcher.h"
#include "support/scratch_folder.h"
#include "support/window_fixture.h"

namespace rewardcfg {
namespace {

using testing::WindowTest;

// Fields of 4 KiB: server texts of 90,000 (ItemOnly) and 170,000 (Full)
// characters, past the rich edit's default limit of 32,767 and past 64 KB.
constexpr size_t RunFieldBytes = 4 * 1024;

class LargeInput : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        dismissOverlay();
    }

    // Pasted rather than set: a paste is held to a box's text limit, as typing is.
    void pasteEveryField(const RewardSchedule& schedule) {
        for (const auto& [field, bytes] : testing::fieldsOf(schedule, edition()))
            ASSERT_TRUE(testing::paste(control(ui::fieldName(field)), ui::ansiToWide(bytes)));
    }

    // The run works inside the click's dispatch: once a preview holds text, it has ended.
    void clickStartAndWaitForTheRun() {
        clickOn(ui::StartButtonName);
        for (int waited = 0; waited < 60000 && GetWindowTextLengthW(control(L"ServerPreview")) == 0; waited += 20)
            pump(20);
    }

    testing::CurrentScratchFolder folder_{"large-input"};
};

// All 42 fields are the Full window's; the other edition has the same boxes, fewer.
using LargeFields = LargeInput;

TEST_P(LargeFields, EveryFieldKeepsAPastedMegabyte) {
    const RewardSchedule schedule = testing::largeSchedule(edition(), testing::LargeFieldBytes);
    pasteEveryField(schedule);
    for (const auto& [field, bytes] : testing::fieldsOf(schedule, edition())) {
        const std::string kept = window().fieldText(field);
        EXPECT_EQ(kept.size(), bytes.size()) << narrow(ui::fieldName(field));
        EXPECT_TRUE(kept == bytes) << narrow(ui::fieldName(field));
    }
}

TEST_P(LargeInput, StartShowsAndSavesLargeTextsWhole) {
    const RewardSchedule schedule = testing::largeSchedule(edition(), RunFieldBytes);
    pasteEveryField(schedule);
    testing::MessageBoxWatcher watcher(window().handle());
    clickStartAndWaitForTheRun();
    EXPECT_TRUE(watcher.seen().empty());

    const std::string server = composeServerFile(schedule, edition(), ServerHeaderTemplate);
    const std::string client = composeClientScript(schedule, edition(), ClientHeaderTemplate, ClientMainTemplate);
    ASSERT_GT(ui::ansiToWide(server).size(), 64u * 1024);
    EXPECT_EQ(folder_.entries(), (std::set<std::string>{"CheckAttendance.lua", "attendance.yml"}));
    EXPECT_TRUE(folder_.fileBytes("attendance.yml") == server);
    EXPECT_TRUE(folder_.fileBytes("CheckAttendance.lua") == client);
    const std::wstring shownServer = ui::richText(control(L"ServerPreview"));
    const std::wstring shownClient = ui::richText(control(L"ClientPreview"));
    EXPECT_EQ(shownServer.size(), ui::ansiToWide(server).size());
    EXPECT_TRUE(shownServer == ui::ansiToWide(server));
    EXPECT_EQ(shownClient.size(), ui::ansiToWide(client).size());
    EXPECT_TRUE(shownClient == ui::ansiToWide(client));
}

// The texts above stop far short of the limits; the limits themselves are the
// largest each kind of box accepts.
TEST_P(LargeInput, BoxesCarryTheLargestTextLimit) {
    for (const auto& [field, bytes] : testing::fieldsOf(RewardSchedule{}, edition()))
        EXPECT_EQ(SendMessageW(control(ui::fieldName(field)), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE)
            << narrow(ui::fieldName(field));
    for (const wchar_t* box : {L"ServerPreview", L"ClientPreview"})
        EXPECT_EQ(SendMessageW(control(box), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFF) << narrow(box);
}

REWARDCFG_FOR_BOTH_EDITIONS(LargeInput);
INSTANTIATE_TEST_SUITE_P(Edition, LargeFields, ::testing::Values(Edition::Full), testing::editionParamName);

}  // namespace
}  // namespace rewardcfg

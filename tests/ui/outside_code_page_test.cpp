// Characters that the ANSI code page cannot hold, typed into the fields: the
// run takes the fields as an ANSI program would read them, with the system's
// replacement character in their place.
#include <windows.h>

#include <string>

#include "ansi_text.h"
#include "client_script.h"
#include "default_templates.h"
#include "rich_edit.h"
#include "server_file.h"
#include "support/message_box_watcher.h"
#include "support/scratch_folder.h"
#include "support/window_fixture.h"

namespace rewardcfg {
namespace {

using testing::WindowTest;

// What an ANSI program reads from the box: the system's own conversion.
std::string ansiWindowText(HWND box) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(box)) * 2 + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(box, text.data(), static_cast<int>(text.size()))));
    return text;
}

struct TypedText {
    const wchar_t* field;
    const wchar_t* typed;
    const char* before;  // the ANSI bytes around what cannot be held
    const char* after;
};

// An emoji (outside the Basic Multilingual Plane: two UTF-16 units), Hangul
// (not in GBK) and GBK text beside them, which must pass unchanged.
const TypedText typedTexts[] = {
    {L"item_id_3", L"5\U0001F6001", "5", "1"},
    {L"item_id_20", L"道具\uD55C", "\xb5\xc0\xbe\xdf", ""},
    {L"item_co_7", L"\U0001F3812", "", "2"},  // Full only
    {L"开始时间", L"2024\U0001F6000701", "2024", "0701"},
};

class OutsideCodePage : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        dismissOverlay();
        fillAllFields();
    }

    bool exists(const wchar_t* field) { return window().control(field) != nullptr; }

    // The schedule as an ANSI program would read it from the fields.
    RewardSchedule scheduleAsAnsiProgramReadsIt() {
        RewardSchedule schedule;
        for (int day = 1; day <= 20; ++day) {
            schedule.days[day - 1].itemId = ansiWindowText(window().control(L"item_id_" + std::to_wstring(day)));
            if (edition() == Edition::Full)
                schedule.days[day - 1].amount = ansiWindowText(window().control(L"item_co_" + std::to_wstring(day)));
        }
        schedule.startDate = ansiWindowText(window().control(ui::StartDateName));
        schedule.endDate = ansiWindowText(window().control(ui::EndDateName));
        return schedule;
    }

    testing::CurrentScratchFolder folder_{"outside-code-page"};
};

TEST_P(OutsideCodePage, TypedCharactersBecomeTheSystemReplacementInBothFiles) {
    for (const auto& typed : typedTexts) {
        if (!exists(typed.field)) continue;
        setText(typed.field, L"");
        focus(typed.field);
        testing::sendText(typed.typed);
        pump(60);
        ASSERT_EQ(text(typed.field), typed.typed) << narrow(typed.field);  // the box holds what was typed
    }
    testing::MessageBoxWatcher watcher(window().handle());
    clickOn(ui::StartButtonName);
    for (int waited = 0; waited < 10000 && GetWindowTextLengthW(control(L"ServerPreview")) == 0; waited += 20) pump(20);
    EXPECT_TRUE(watcher.seen().empty());

    const RewardSchedule schedule = scheduleAsAnsiProgramReadsIt();
    for (const auto& typed : typedTexts) {
        if (!exists(typed.field)) continue;
        // Only the replacement character stands where the text could not be held.
        const std::string bytes = ansiWindowText(control(typed.field));
        const std::string before = typed.before, after = typed.after;
        ASSERT_GT(bytes.size(), before.size() + after.size()) << narrow(typed.field);
        EXPECT_EQ(bytes.substr(0, before.size()), before) << narrow(typed.field);
        EXPECT_EQ(bytes.substr(bytes.size() - after.size()), after) << narrow(typed.field);
        EXPECT_EQ(bytes.substr(before.size(), bytes.size() - before.size() - after.size()).find_first_not_of('?'),
                  std::string::npos)
            << narrow(typed.field) << ": " << bytes;
    }
    const std::string server = composeServerFile(schedule, edition(), ServerHeaderTemplate);
    const std::string client = composeClientScript(schedule, edition(), ClientHeaderTemplate, ClientMainTemplate);
    EXPECT_EQ(folder_.fileBytes("attendance.yml"), server);
    EXPECT_EQ(folder_.fileBytes("CheckAttendance.lua"), client);
    EXPECT_EQ(ui::richText(control(L"ServerPreview")), ui::ansiToWide(server));
    EXPECT_EQ(ui::richText(control(L"ClientPreview")), ui::ansiToWide(client));
}

REWARDCFG_FOR_BOTH_EDITIONS(OutsideCodePage);

}  // namespace
}  // namespace rewardcfg

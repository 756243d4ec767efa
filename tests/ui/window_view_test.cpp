// The window as the generation run's view, and START pressed with the mouse.
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

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

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Runs a case with a scratch folder as the current directory, as the program's
// folder is at run time.
class WindowAsView : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        folder_.emplace("window");
    }
    void TearDown() override {
        folder_.reset();
        WindowTest::TearDown();
    }

    RewardSchedule filledSchedule() const {
        RewardSchedule schedule;
        schedule.startDate = "20240701";
        schedule.endDate = "20240720";
        for (int day = 1; day <= 20; ++day) {
            schedule.days[day - 1].itemId = std::to_string(500 + day);
            if (edition() == Edition::Full) schedule.days[day - 1].amount = std::to_string(day);
        }
        return schedule;
    }

private:
    std::optional<testing::CurrentScratchFolder> folder_;
};

TEST_P(WindowAsView, FieldTextGivesAnsiBytes) {
    setText(L"item_id_3", L"道具 7");
    setText(L"开始时间", L"");
    EXPECT_EQ(window().fieldText(InputField::itemId(3)), "\xb5\xc0\xbe\xdf 7");  // GBK
    EXPECT_EQ(window().fieldText(InputField::startDate()), "");
    EXPECT_EQ(window().fieldText(InputField::endDate()), "20240720");
    if (edition() == Edition::Full) {
        setText(L"item_co_20", L"99");
        EXPECT_EQ(window().fieldText(InputField::amount(20)), "99");
    }
}

TEST_P(WindowAsView, PreviewTakesTheWholeTextOver64KB) {
    std::string big;
    for (int line = 0; big.size() <= 70 * 1024; ++line) big += std::string(120, 'a' + line % 26) + "\r\n";
    window().setPreviewText(PreviewBox::ServerPreview, big);
    EXPECT_EQ(ui::richText(control(L"ServerPreview")), std::wstring(big.begin(), big.end()));
    window().setPreviewText(PreviewBox::ServerPreview, "short");
    EXPECT_EQ(text(L"ServerPreview"), L"short");  // earlier content dropped
}

TEST_P(WindowAsView, MessageBoxHasNoOwnerAndHoldsTheWholeProgram) {
    testing::MessageBoxWatcher watcher(window().handle());
    window().showMessage("day 1 seted,please!");
    auto seen = watcher.seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, L"信息：");
    EXPECT_EQ(seen[0].text, L"day 1 seted,please!");
    EXPECT_FALSE(seen[0].hasOwner);
    EXPECT_FALSE(seen[0].ownerWindowEnabled);  // task modal: the window takes no input meanwhile
    EXPECT_FALSE(seen[0].hasIcon);
    EXPECT_EQ(seen[0].buttons, 1);
    EXPECT_TRUE(IsWindowEnabled(window().handle()));
}

TEST_P(WindowAsView, StartClickedAtStartAsksForDay1) {
    dismissOverlay();
    testing::MessageBoxWatcher watcher(window().handle());
    clickOn(L"按钮1");
    pump(200);
    auto seen = watcher.seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, L"day 1 seted,please!");
    EXPECT_EQ(text(L"ServerPreview"), L"");
    EXPECT_FALSE(std::filesystem::exists("attendance.yml"));
}

TEST_P(WindowAsView, StartClickedWithFieldsFilledShowsAndWritesBothTexts) {
    dismissOverlay();
    fillAllFields();
    testing::MessageBoxWatcher watcher(window().handle());
    clickOn(L"按钮1");
    pump(200);
    EXPECT_TRUE(watcher.seen().empty());
    const std::string server = composeServerFile(filledSchedule(), edition(), ServerHeaderTemplate);
    const std::string client = composeClientScript(filledSchedule(), edition(), ClientHeaderTemplate,
                                                   ClientMainTemplate);
    EXPECT_EQ(fileBytes("attendance.yml"), server);
    EXPECT_EQ(fileBytes("CheckAttendance.lua"), client);
    EXPECT_EQ(ui::richText(control(L"ServerPreview")), ui::ansiToWide(server));
    EXPECT_EQ(ui::richText(control(L"ClientPreview")), ui::ansiToWide(client));
    EXPECT_EQ(focusName(), "按钮1");  // the run moves no focus
}

REWARDCFG_FOR_BOTH_EDITIONS(WindowAsView);

}  // namespace
}  // namespace rewardcfg

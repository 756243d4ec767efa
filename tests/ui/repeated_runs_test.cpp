// A thousand STARTs in one window, passing and failing by turns: the process
// ends up holding what it held before them, and the folder only the two files.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <set>
#include <string>

#include "client_script.h"
#include "default_templates.h"
#include "server_file.h"
#include "support/message_box_watcher.h"
#include "support/process_resources.h"
#include "support/schedules.h"
#include "support/scratch_folder.h"
#include "support/window_fixture.h"

namespace rewardcfg {
namespace {

using testing::WindowTest;

constexpr int Runs = 1000;
constexpr int WarmUpRuns = 10;

class RepeatedRuns : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        dismissOverlay();
        fillAllFields();
    }

    // Run `number` fails on its even turns: day 7's item ID is emptied first.
    // Driven by BM_CLICK, a click without the input queue, so that a thousand
    // runs take seconds.
    void start(int number) {
        setText(L"item_id_7", number % 2 == 0 ? L"" : L"507");
        SendMessageW(control(ui::StartButtonName), BM_CLICK, 0, 0);
    }

    testing::CurrentScratchFolder folder_{"repeated-runs"};
};

TEST_P(RepeatedRuns, AThousandRunsLeaveNoHandleObjectOrFileBehind) {
    testing::MessageBoxWatcher watcher;
    for (int run = 0; run < WarmUpRuns; ++run) start(run);
    const testing::ProcessResources before = testing::processResources();

    const auto began = std::chrono::steady_clock::now();
    for (int run = 0; run < Runs; ++run) start(run);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    pump(100);
    const testing::ProcessResources after = testing::processResources();
    std::printf("%d runs in %.1f s; before: %s; after: %s\n", Runs, seconds, before.describe().c_str(),
                after.describe().c_str());

    EXPECT_EQ(after, before) << "before: " << before.describe() << "\nafter:  " << after.describe();
    const auto boxes = watcher.seen();
    EXPECT_EQ(boxes.size(), static_cast<size_t>(WarmUpRuns + Runs) / 2);  // one per failed run
    for (const auto& box : boxes) ASSERT_EQ(box.text, L"day 7 seted,please!");

    const RewardSchedule schedule = testing::filledSchedule();  // what the fields hold after a passing run
    EXPECT_EQ(folder_.entries(), (std::set<std::string>{"CheckAttendance.lua", "attendance.yml"}));
    EXPECT_EQ(folder_.fileBytes("attendance.yml"), composeServerFile(schedule, edition(), ServerHeaderTemplate));
    EXPECT_EQ(folder_.fileBytes("CheckAttendance.lua"),
              composeClientScript(schedule, edition(), ClientHeaderTemplate, ClientMainTemplate));
}

// Some 35 seconds under Wine: once, in the window with the most boxes.
INSTANTIATE_TEST_SUITE_P(Edition, RepeatedRuns, ::testing::Values(Edition::Full), testing::editionParamName);

}  // namespace
}  // namespace rewardcfg

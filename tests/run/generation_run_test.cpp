#include <algorithm>
#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "client_script.h"
#include "generation_run.h"
#include "run/recording_view.h"
#include "run/scratch_folder.h"
#include "server_file.h"
#include "support/schedules.h"

#ifdef _WIN32
#include <windows.h>

#include "win32_handle.h"
#endif

namespace rewardcfg {

static void PrintTo(Edition edition, std::ostream* out) { *out << (edition == Edition::Full ? "Full" : "ItemOnly"); }

namespace {

using testing::filledSchedule;
using testing::RecordingView;
using testing::ScratchFolderTest;

const std::string ServerFile = "attendance.yml";
const std::string ClientFile = "CheckAttendance.lua";
const std::set<std::string> BothFiles{ServerFile, ClientFile};

std::string editionName(const ::testing::TestParamInfo<Edition>& info) {
    return info.param == Edition::Full ? "Full" : "ItemOnly";
}

RecordingView filledView() {
    RecordingView view;
    view.fill(filledSchedule());
    return view;
}

class GenerationRunInEachEdition : public ScratchFolderTest, public ::testing::WithParamInterface<Edition> {};
INSTANTIATE_TEST_SUITE_P(Editions, GenerationRunInEachEdition, ::testing::Values(Edition::Full, Edition::ItemOnly),
                         editionName);

TEST_P(GenerationRunInEachEdition, StartStateAsksForDayOneAndTouchesNothing) {
    RecordingView view;
    GenerationRun().run(GetParam(), view);
    EXPECT_EQ(view.messages, std::vector<std::string>{"day 1 seted,please!"});
    EXPECT_FALSE(view.serverPreview);
    EXPECT_FALSE(view.clientPreview);
    EXPECT_TRUE(folderEntries().empty());  // no file, no temporary file
}

TEST_P(GenerationRunInEachEdition, ShowsBothTextsThenSavesTheVeryBytesShown) {
    RecordingView view = filledView();
    // Edited templates: the run must take them from the window, not the defaults.
    view.templates = {"# server header\r\n", "-- client header\r\n", "end"};
    std::vector<std::set<std::string>> filesAtEachPreview;
    view.onPreview = [&] { filesAtEachPreview.push_back(folderEntries()); };

    GenerationRun().run(GetParam(), view);

    EXPECT_TRUE(view.messages.empty());
    ASSERT_TRUE(view.serverPreview && view.clientPreview);
    RewardSchedule typed = filledSchedule();
    if (GetParam() == Edition::ItemOnly)
        for (DayReward& day : typed.days) day.amount.clear();
    EXPECT_EQ(*view.serverPreview, composeServerFile(typed, GetParam(), "# server header\r\n"));
    EXPECT_EQ(*view.clientPreview, composeClientScript(typed, GetParam(), "-- client header\r\n", "end"));
    EXPECT_EQ(fileBytes(ServerFile), view.serverPreview);
    EXPECT_EQ(fileBytes(ClientFile), view.clientPreview);
    EXPECT_EQ(folderEntries(), BothFiles);
    // Both boxes change before either file is written.
    EXPECT_EQ(filesAtEachPreview, (std::vector<std::set<std::string>>{{}, {}}));
}

TEST_P(GenerationRunInEachEdition, ReadsEachFieldOnceAndEverythingBeforeShowing) {
    RecordingView view = filledView();
    GenerationRun().run(GetParam(), view);

    std::vector<std::string> expected;
    for (int day = 1; day <= DayCount; ++day) {
        expected.push_back("fieldText item_id_" + std::to_string(day));
        if (GetParam() == Edition::Full) expected.push_back("fieldText item_co_" + std::to_string(day));
    }
    for (const char* call : {"fieldText start date", "fieldText end date", "templateText ServerHeaderTemplate",
                             "templateText ClientHeaderTemplate", "templateText ClientMainTemplate",
                             "setPreviewText ServerPreview", "setPreviewText ClientPreview"})
        expected.push_back(call);
    EXPECT_EQ(view.calls, expected);
}

TEST_P(GenerationRunInEachEdition, SecondRunWithTheSameFieldsWritesTheSameBytes) {
    RecordingView view = filledView();
    GenerationRun().run(GetParam(), view);
    const auto firstServer = fileBytes(ServerFile);
    const auto firstClient = fileBytes(ClientFile);
    ASSERT_TRUE(firstServer && firstClient);

    GenerationRun().run(GetParam(), view);
    EXPECT_EQ(fileBytes(ServerFile), firstServer);
    EXPECT_EQ(fileBytes(ClientFile), firstClient);
    EXPECT_EQ(view.serverPreview, firstServer);
    EXPECT_EQ(view.clientPreview, firstClient);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(folderEntries(), BothFiles);
}

using GenerationRunTest = ScratchFolderTest;

TEST_F(GenerationRunTest, LongerExistingServerFileIsReplacedExactly) {
    std::string old;
    while (old.size() < 64 * 1024) old += "old line that must not survive\r\n";
    writeBytes(ServerFile, old);
    RecordingView view = filledView();
    GenerationRun().run(Edition::Full, view);
    ASSERT_TRUE(view.serverPreview);
    EXPECT_LT(view.serverPreview->size(), old.size());
    EXPECT_EQ(fileBytes(ServerFile), view.serverPreview);
}

TEST_F(GenerationRunTest, FailedValidationAfterASuccessfulRunChangesNothing) {
    RecordingView view = filledView();
    GenerationRun().run(Edition::Full, view);
    const auto server = view.serverPreview;
    const auto client = view.clientPreview;
    ASSERT_TRUE(server && client);

    view.amounts[0] = "999";  // would change both texts, were they composed again
    view.itemIds[4].clear();
    view.calls.clear();
    GenerationRun().run(Edition::Full, view);

    EXPECT_EQ(view.messages, std::vector<std::string>{"day 5 seted,please!"});
    EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), "setPreviewText ServerPreview"), 0);
    EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), "setPreviewText ClientPreview"), 0);
    EXPECT_EQ(view.serverPreview, server);
    EXPECT_EQ(view.clientPreview, client);
    EXPECT_EQ(fileBytes(ServerFile), server);
    EXPECT_EQ(fileBytes(ClientFile), client);
}

TEST_F(GenerationRunTest, ItemOnlyWithBothDatesEmptyCompletes) {
    RecordingView view = filledView();
    view.startDate.clear();
    view.endDate.clear();
    GenerationRun().run(Edition::ItemOnly, view);

    EXPECT_TRUE(view.messages.empty());
    ASSERT_TRUE(view.serverPreview && view.clientPreview);
    EXPECT_NE(view.serverPreview->find("\r\nBody:\r\n  - Start: \r\n    End: \r\n    Rewards:\r\n"), std::string::npos);
    EXPECT_NE(view.clientPreview->find("\r\nConfig = { StartDate = , EndDate =  }\r\n"), std::string::npos);
    EXPECT_EQ(fileBytes(ServerFile), view.serverPreview);
    EXPECT_EQ(fileBytes(ClientFile), view.clientPreview);
}

// An unwritable file. Tests run as root under Wine in CI, where neither Unix
// permission bits nor the read-only attribute stop a write, so a folder of the
// same name stands in: replacing or opening it is refused with access denied,
// as for a read-only file on Windows.
struct UnwritableCase {
    const char* name;
    bool serverBlocked;
    bool clientBlocked;
    const char* message;
    friend void PrintTo(const UnwritableCase& c, std::ostream* out) { *out << c.name; }
};

class GenerationRunWithUnwritableFiles : public ScratchFolderTest,
                                         public ::testing::WithParamInterface<UnwritableCase> {};

INSTANTIATE_TEST_SUITE_P(
    Cases, GenerationRunWithUnwritableFiles,
    ::testing::Values(UnwritableCase{"Server", true, false, "attendance.yml could not be written!"},
                      UnwritableCase{"Client", false, true, "CheckAttendance.lua could not be written!"},
                      UnwritableCase{"Both", true, true, "attendance.yml, CheckAttendance.lua could not be written!"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(GenerationRunWithUnwritableFiles, WritesTheOthersKeepsTheBlockedAndSaysWhich) {
    const UnwritableCase& c = GetParam();
    for (const auto& [name, blocked] :
         {std::pair{ServerFile, c.serverBlocked}, std::pair{ClientFile, c.clientBlocked}}) {
        if (!blocked) continue;
        std::filesystem::create_directory(name);
        writeBytes(std::filesystem::path(name) / "kept.txt", "kept");
    }
    RecordingView view = filledView();
    GenerationRun().run(Edition::Full, view);

    ASSERT_TRUE(view.serverPreview && view.clientPreview);  // the previews are filled all the same
    EXPECT_EQ(view.messages, std::vector<std::string>{c.message});
    for (const auto& [name, blocked, preview] : {std::tuple{ServerFile, c.serverBlocked, view.serverPreview},
                                                 std::tuple{ClientFile, c.clientBlocked, view.clientPreview}}) {
        SCOPED_TRACE(name);
        if (blocked)
            EXPECT_EQ(fileBytes(std::filesystem::path(name) / "kept.txt"), "kept");
        else
            EXPECT_EQ(fileBytes(name), preview);
    }
    EXPECT_EQ(folderEntries(), BothFiles);  // no temporary file left behind
}

#ifdef _WIN32
// attendance.yml held open by another program; Wine enforces share modes as Windows does.
struct HolderCase {
    const char* name;
    DWORD access;
    DWORD share;
    bool written;
    friend void PrintTo(const HolderCase& c, std::ostream* out) { *out << c.name; }
};

class GenerationRunWithServerFileHeld : public ScratchFolderTest, public ::testing::WithParamInterface<HolderCase> {};

INSTANTIATE_TEST_SUITE_P(Holders, GenerationRunWithServerFileHeld,
                         ::testing::Values(HolderCase{"ReaderDenyingWrites", GENERIC_READ, FILE_SHARE_READ, false},
                                           HolderCase{"ExclusiveWriter", GENERIC_READ | GENERIC_WRITE, 0, false},
                                           HolderCase{"EditorSharingReadAndWrite", GENERIC_READ,
                                                      FILE_SHARE_READ | FILE_SHARE_WRITE, true},
                                           HolderCase{"WriterSharingEverything", GENERIC_READ | GENERIC_WRITE,
                                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(GenerationRunWithServerFileHeld, WritesInPlaceOnlyWhereTheHolderSharesWriting) {
    const HolderCase& c = GetParam();
    std::string old;
    while (old.size() < 16 * 1024) old += "old content\r\n";  // longer than the new text
    writeBytes(ServerFile, old);
    UniqueHandle holder = ownFileHandle(
        CreateFileW(L"attendance.yml", c.access, c.share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder);

    RecordingView view = filledView();
    GenerationRun().run(Edition::Full, view);
    holder.reset();

    ASSERT_TRUE(view.serverPreview && view.clientPreview);
    EXPECT_EQ(fileBytes(ServerFile), c.written ? *view.serverPreview : old);
    EXPECT_EQ(fileBytes(ClientFile), view.clientPreview);
    EXPECT_EQ(view.messages, c.written ? std::vector<std::string>{}
                                       : std::vector<std::string>{"attendance.yml could not be written!"});
    EXPECT_EQ(folderEntries(), BothFiles);
}
#endif

}  // namespace
}  // namespace rewardcfg

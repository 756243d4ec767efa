// The programs as users start them: out of process, from another folder.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "author_link.h"
#include "client_script.h"
#include "control_table.h"
#include "default_templates.h"
#include "server_file.h"
#include "support/input.h"
#include "support/scratch_folder.h"
#include "win32_handles.h"

namespace rewardcfg {
namespace {

namespace fs = std::filesystem;
using ui::KernelHandle;

// Build outputs, as Windows paths (Wine maps Z: to the root).
fs::path buildOutput(const char* unixPath) { return fs::path(std::string("Z:") + unixPath); }

std::string fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct TopWindowSearch {
    DWORD process;
    std::wstring className;
    HWND found = nullptr;
};

HWND topWindowOf(DWORD process, const wchar_t* className) {
    TopWindowSearch search{process, className};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<TopWindowSearch*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (owner != search->process || search->className != name || !IsWindowVisible(window)) return TRUE;
            search->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND waitForWindow(DWORD process, const wchar_t* className, int timeoutMs = 10000) {
    for (int waited = 0; waited < timeoutMs; waited += 20) {
        if (HWND window = topWindowOf(process, className)) return window;
        Sleep(20);
    }
    return nullptr;
}

// A copy of a program in a scratch folder of its own, started from another
// current directory.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directory(folder_ / "elsewhere"); }

    void TearDown() override {
        if (process_) {
            TerminateProcess(process_.get(), 99);
            WaitForSingleObject(process_.get(), 5000);
        }
    }

    fs::path install(const fs::path& program, const wchar_t* asName) {
        fs::copy_file(program, folder_ / asName, fs::copy_options::overwrite_existing);
        return folder_ / asName;
    }

    void start(const fs::path& program, const std::wstring& arguments = L"") {
        std::wstring commandLine = L"\"" + program.wstring() + L"\" " + arguments;
        const std::wstring elsewhere = (folder_ / "elsewhere").wstring();
        STARTUPINFOW startup{sizeof startup};
        PROCESS_INFORMATION started{};
        ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, elsewhere.c_str(),
                                   &startup, &started));
        process_ = KernelHandle(started.hProcess);
        KernelHandle thread(started.hThread);
        processId_ = started.dwProcessId;
    }

    HWND startProgram(const char* unixPath, const wchar_t* name) {
        start(install(buildOutput(unixPath), name));
        HWND window = waitForWindow(processId_, L"RewardCfgMainWindow");
        EXPECT_NE(window, nullptr);
        WaitForInputIdle(process_.get(), 5000);
        SetForegroundWindow(window);
        Sleep(200);
        return window;
    }

    // Controls are numbered in control order, from 100.
    HWND control(HWND window, Edition edition, std::wstring_view name) {
        const auto& table = ui::controlTable(edition);
        for (size_t row = 0; row < table.size(); ++row) {
            if (table[row].name != name) continue;
            HWND parent = table[row].insideOverlay ? control(window, edition, ui::SplashOverlayName) : window;
            return GetDlgItem(parent, 100 + static_cast<int>(row));
        }
        return nullptr;
    }

    void click(HWND target, testing::MouseButton button = testing::MouseButton::Left,
               testing::MouseAction action = testing::MouseAction::Click) {
        testing::sendMouse(testing::screenPointOf(target), button, action);
        Sleep(300);
    }

    DWORD waitForExit(int timeoutMs = 10000) {
        if (WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
        DWORD code = 0;
        GetExitCodeProcess(process_.get(), &code);
        process_.reset();
        return code;
    }

    std::vector<std::wstring> explorerCalls() {
        std::ifstream in(folder_ / "explorer-calls.txt", std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
        std::vector<std::wstring> lines;
        for (size_t start = 0, end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }

    testing::ScratchFolder scratch_{"program"};
    const fs::path folder_ = scratch_.path();
    KernelHandle process_;
    DWORD processId_ = 0;
};

struct ProgramCase {
    const char* path;
    const wchar_t* name;
    Edition edition;
};

const ProgramCase programs[] = {
    {REWARDCFG_FULL_EXE, L"rewardcfg.exe", Edition::Full},
    {REWARDCFG_LITE_EXE, L"rewardcfg-lite.exe", Edition::ItemOnly},
};

TEST_F(ProgramTest, StartWritesBothFilesBesideTheProgramAndEscapeEndsWithZero) {
    for (const auto& program : programs) {
        SCOPED_TRACE(fs::path(program.name).string());
        HWND window = startProgram(program.path, program.name);
        ASSERT_NE(window, nullptr);
        wchar_t title[64] = {};
        GetWindowTextW(window, title, 64);
        EXPECT_EQ(std::wstring(title), ui::windowTitle(program.edition));

        RewardSchedule schedule;
        schedule.startDate = "20240701";
        schedule.endDate = "20240720";
        for (int day = 1; day <= 20; ++day) {
            schedule.days[day - 1].itemId = std::to_string(700 + day);
            SetWindowTextW(control(window, program.edition, ui::fieldName(InputField::itemId(day))),
                           std::to_wstring(700 + day).c_str());
            if (program.edition == Edition::Full) {
                schedule.days[day - 1].amount = std::to_string(day * 2);
                SetWindowTextW(control(window, program.edition, ui::fieldName(InputField::amount(day))),
                               std::to_wstring(day * 2).c_str());
            }
        }
        click(control(window, program.edition, ui::OverlayButtonName));
        click(control(window, program.edition, ui::StartButtonName));
        EXPECT_EQ(fileBytes(folder_ / "attendance.yml"),
                  composeServerFile(schedule, program.edition, ServerHeaderTemplate));
        EXPECT_EQ(fileBytes(folder_ / "CheckAttendance.lua"),
                  composeClientScript(schedule, program.edition, ClientHeaderTemplate, ClientMainTemplate));
        EXPECT_TRUE(fs::is_empty(folder_ / "elsewhere"));

        testing::sendKey(VK_ESCAPE);
        EXPECT_EQ(waitForExit(), 0u);
        fs::remove(folder_ / "attendance.yml");
        fs::remove(folder_ / "CheckAttendance.lua");
    }
}

TEST_F(ProgramTest, AuthorLinkStartsExplorerOncePerLeftPress) {
    install(buildOutput(STAND_IN_EXPLORER_EXE), L"explorer.exe");
    HWND window = startProgram(REWARDCFG_FULL_EXE, L"rewardcfg.exe");
    ASSERT_NE(window, nullptr);
    click(control(window, Edition::Full, ui::OverlayButtonName));
    HWND link = control(window, Edition::Full, ui::AuthorLinkName);

    click(link, testing::MouseButton::Left, testing::MouseAction::PressOnly);
    click(link, testing::MouseButton::Left, testing::MouseAction::ReleaseOnly);
    const std::wstring expected = L"explorer " + std::wstring(ui::AuthorPageAddress);
    EXPECT_EQ(explorerCalls(), std::vector<std::wstring>{expected});  // the release started nothing

    click(link, testing::MouseButton::Right);
    Sleep(300);
    EXPECT_EQ(explorerCalls().size(), 1u);

    click(link);
    Sleep(700);  // past the double-click time: a fresh press
    click(link);
    EXPECT_EQ(explorerCalls(), (std::vector<std::wstring>{expected, expected, expected}));
}

TEST_F(ProgramTest, StartupFailureShowsAnErrorAndEndsWithMinusOne) {
    for (const wchar_t* broken : {L"picture", L"richedit"}) {
        SCOPED_TRACE(fs::path(broken).string());
        start(install(buildOutput(STARTUP_FAILURE_PROBE_EXE), L"probe.exe"), broken);
        HWND box = waitForWindow(processId_, L"#32770");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(topWindowOf(processId_, L"RewardCfgMainWindow"), nullptr);  // nothing of the window shown
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(waitForExit(), static_cast<DWORD>(-1));
        EXPECT_EQ(scratch_.entries(), (std::set<std::string>{"elsewhere", "probe.exe"}));  // nothing written
        EXPECT_TRUE(fs::is_empty(folder_ / "elsewhere"));
    }
}

}  // namespace
}  // namespace rewardcfg

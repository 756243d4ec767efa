#include "startup_probe.h"

#include <windows.h>

#include <psapi.h>

#include <atomic>
#include <thread>

#include "win32_handle.h"

namespace startup_bench {
namespace {

using rewardcfg::UniqueHandle;

constexpr DWORD StartTimeoutMs = 30000;
constexpr DWORD CloseTimeoutMs = 10000;
// Lets the first paint and what the system posts after it settle before the
// working set is read.
constexpr DWORD SettleMs = 150;

double millisecondsSince(LARGE_INTEGER start) {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency);
}

// Every program here makes its window on its main thread, so only that
// thread's top-level windows need looking at: cheaper than EnumWindows, which
// matters while polling beside a program that is starting.
HWND visibleTopWindow(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM found) -> BOOL {
            if (!IsWindowVisible(window) || GetParent(window)) return TRUE;
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring folderOf(const std::wstring& program) {
    const size_t slash = program.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : program.substr(0, slash);
}

}  // namespace

std::optional<StartupSample> measureStartup(const std::wstring& program, std::string& error) {
    std::wstring commandLine = L"\"" + program + L"\"";
    const std::wstring folder = folderOf(program);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};

    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &started)) {
        error = "CreateProcess failed (" + std::to_string(GetLastError()) + ")";
        return std::nullopt;
    }
    UniqueHandle process(started.hProcess);
    UniqueHandle thread(started.hThread);

    // Input-idle is stamped on a thread of its own so it is not delayed by the polling.
    std::atomic<double> inputIdleMs{-1};
    std::thread idleWaiter([&] {
        if (WaitForInputIdle(process.get(), StartTimeoutMs) == 0) inputIdleMs = millisecondsSince(start);
    });

    StartupSample sample;
    DWORD memoryError = 0;
    HWND window = nullptr;
    while (!(window = visibleTopWindow(started.dwThreadId))) {
        if (WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0 || millisecondsSince(start) > StartTimeoutMs) break;
        Sleep(1);
    }
    sample.shownMs = millisecondsSince(start);
    idleWaiter.join();

    if (window && inputIdleMs >= 0) {
        sample.inputIdleMs = inputIdleMs;
        Sleep(SettleMs);
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof memory;
        if (GetProcessMemoryInfo(process.get(), &memory, sizeof memory))
            sample.peakWorkingSet = memory.PeakWorkingSetSize;
        else
            memoryError = GetLastError();
        PostMessageW(window, WM_CLOSE, 0, 0);
    }

    DWORD exitCode = STILL_ACTIVE;
    if (WaitForSingleObject(process.get(), CloseTimeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.get(), &exitCode);
    if (exitCode == STILL_ACTIVE) {
        TerminateProcess(process.get(), 99);
        WaitForSingleObject(process.get(), CloseTimeoutMs);
    }

    if (!window)
        error = "no visible window";
    else if (inputIdleMs < 0)
        error = "never input-idle";
    else if (sample.peakWorkingSet == 0)
        error = "GetProcessMemoryInfo failed (" + std::to_string(memoryError) + ")";
    else if (exitCode != 0)
        error = "exit code " + std::to_string(exitCode) + " after WM_CLOSE";
    else
        return sample;
    return std::nullopt;
}

}  // namespace startup_bench

#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace startup_bench {

// One start of a program, timed from CreateProcess.
struct StartupSample {
    double shownMs = 0;         // until a visible top-level window of its main thread exists
    double inputIdleMs = 0;     // until WaitForInputIdle returns
    size_t peakWorkingSet = 0;  // bytes, read once it is idle, before it is closed
};

// Starts the program in its own folder, measures it, closes it with WM_CLOSE and
// waits for it to end; nothing when any step fails or it does not end with 0.
std::optional<StartupSample> measureStartup(const std::wstring& program, std::string& error);

}  // namespace startup_bench

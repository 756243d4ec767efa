#include "author_link.h"

#include <windows.h>

#include <string>

#include "win32_handles.h"

namespace rewardcfg::ui {

void openAuthorPage() {
    std::wstring commandLine = L"explorer " + std::wstring(AuthorPageAddress);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return;
    KernelHandle process(started.hProcess);
    KernelHandle thread(started.hThread);
    WaitForInputIdle(process.get(), 1000);
}

}  // namespace rewardcfg::ui

#include "application.h"

#include <commctrl.h>

#include <string>

namespace rewardcfg::ui {
namespace {

// The output files are written by bare name, so they land beside the program.
void enterProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return;
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t lastBackslash = path.rfind(L'\\');
    if (lastBackslash == std::wstring::npos) return;
    path.resize(lastBackslash);
    SetCurrentDirectoryW(path.c_str());
}

int runMessageLoop(MainWindow& window) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.handleKeyboard(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

int runApplication(Edition edition, const WindowSources& sources) {
    enterProgramFolder();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    auto window = MainWindow::create(edition, sources);
    if (!window) {
        MessageBoxW(nullptr, L"The start window cannot be loaded.\r\n无法加载启动窗口。",
                    std::wstring(windowTitle(edition)).c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
        return -1;
    }
    window->show();
    return runMessageLoop(*window);
}

}  // namespace rewardcfg::ui

#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace rewardcfg::testing {

struct SeenMessageBox {
    std::wstring caption;
    std::wstring text;
    bool hasOwner = false;
    bool ownerWindowEnabled = true;  // the watched window's state while the box was up
    bool hasIcon = false;
    int buttons = 0;
};

// Dismisses every message box of this process as it appears (a user pressing
// OK) and records what it showed. Runs on its own thread, since a message box
// holds the thread that shows it.
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(HWND watchedWindow = nullptr) : watched_(watchedWindow), thread_([this] { watch(); }) {}
    ~MessageBoxWatcher() {
        stop_ = true;
        thread_.join();
    }

    std::vector<SeenMessageBox> seen() {
        std::lock_guard lock(mutex_);
        return seen_;
    }

private:
    static std::wstring textOf(HWND window) {
        wchar_t buffer[1024] = {};
        GetWindowTextW(window, buffer, 1024);
        return buffer;
    }

    void watch() {
        while (!stop_) {
            EnumWindows(
                [](HWND window, LPARAM self) -> BOOL {
                    reinterpret_cast<MessageBoxWatcher*>(self)->inspect(window);
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(this));
            Sleep(10);
        }
    }

    void inspect(HWND window) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        wchar_t className[64] = {};
        GetClassNameW(window, className, 64);
        if (process != GetCurrentProcessId() || std::wstring(className) != L"#32770" || !IsWindowVisible(window))
            return;
        SeenMessageBox box;
        box.caption = textOf(window);
        box.hasOwner = GetWindow(window, GW_OWNER) != nullptr;
        box.ownerWindowEnabled = watched_ ? IsWindowEnabled(watched_) != FALSE : true;
        // Read the parts by kind, not by the ids a system happens to use.
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (!IsWindowVisible(child)) continue;
            wchar_t kind[32] = {};
            GetClassNameW(child, kind, 32);
            const LONG style = GetWindowLongW(child, GWL_STYLE);
            if (lstrcmpiW(kind, L"Button") == 0) {
                ++box.buttons;
            } else if (lstrcmpiW(kind, L"Static") == 0) {
                if ((style & SS_TYPEMASK) == SS_ICON)
                    box.hasIcon = box.hasIcon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
                else if (!textOf(child).empty())
                    box.text = textOf(child);
            }
        }
        {
            std::lock_guard lock(mutex_);
            seen_.push_back(box);
        }
        PostMessageW(window, WM_COMMAND, IDOK, 0);
        while (IsWindow(window) && IsWindowVisible(window) && !stop_) Sleep(5);
    }

    HWND watched_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<SeenMessageBox> seen_;
    std::thread thread_;
};

}  // namespace rewardcfg::testing

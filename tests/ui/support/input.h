#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <vector>

namespace rewardcfg::testing {

// Handles the messages that have arrived, for `forMs` milliseconds; every
// message first meets `preTranslate` as the program's own loop gives it.
inline void pumpMessages(const std::function<bool(const MSG&)>& preTranslate, int forMs = 40) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(forMs);
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            if (preTranslate && preTranslate(message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (std::chrono::steady_clock::now() < until);
}

// Real input through the system's input queue, as a user's keyboard gives it.
inline void sendKeys(std::initializer_list<WORD> heldModifiers, WORD key, int repeats = 1) {
    std::vector<INPUT> inputs;
    auto keyEvent = [&](WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    for (WORD modifier : heldModifiers) keyEvent(modifier, false);
    for (int i = 0; i < repeats; ++i) keyEvent(key, false);  // held down: auto-repeat
    keyEvent(key, true);
    for (auto modifier = std::rbegin(heldModifiers); modifier != std::rend(heldModifiers); ++modifier)
        keyEvent(*modifier, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

inline void sendKey(WORD key) { sendKeys({}, key); }

inline void sendText(const wchar_t* text) {
    std::vector<INPUT> inputs;
    for (const wchar_t* c = text; *c; ++c) {
        for (DWORD flags : {KEYEVENTF_UNICODE, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = *c;
            input.ki.dwFlags = flags;
            inputs.push_back(input);
        }
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

enum class MouseButton { Left, Right };
enum class MouseAction { Click, PressOnly, ReleaseOnly };

// Moves the pointer to a point on the screen and presses and/or releases a button.
inline void sendMouse(POINT screen, MouseButton button = MouseButton::Left, MouseAction action = MouseAction::Click) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    std::vector<INPUT> inputs;
    auto mouseEvent = [&](DWORD flags) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(screen.x, 65535, width - 1);
        input.mi.dy = MulDiv(screen.y, 65535, height - 1);
        input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
        inputs.push_back(input);
    };
    const bool left = button == MouseButton::Left;
    mouseEvent(0);
    if (action != MouseAction::ReleaseOnly) mouseEvent(left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN);
    if (action != MouseAction::PressOnly) mouseEvent(left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The screen point at the middle of a window, or at an offset from its top left.
inline POINT screenPointOf(HWND window, int dx = -1, int dy = -1) {
    RECT rect;
    GetWindowRect(window, &rect);
    return {dx < 0 ? (rect.left + rect.right) / 2 : rect.left + dx,
            dy < 0 ? (rect.top + rect.bottom) / 2 : rect.top + dy};
}

}  // namespace rewardcfg::testing

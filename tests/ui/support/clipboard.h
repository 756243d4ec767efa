#pragma once

#include <windows.h>

#include <cstring>
#include <string>

namespace rewardcfg::testing {

// Replaces the whole text of an edit box by pasting `text` from the clipboard,
// as a user's Ctrl+A, Ctrl+V does. A paste, unlike WM_SETTEXT, is held to the
// box's text limit. False when the clipboard could not be filled.
inline bool paste(HWND box, const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return false;
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    if (!OpenClipboard(box)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    if (!placed) GlobalFree(memory);  // the clipboard owns it only once placed
    CloseClipboard();
    if (!placed) return false;
    SendMessageW(box, EM_SETSEL, 0, -1);
    SendMessageW(box, WM_PASTE, 0, 0);
    return true;
}

}  // namespace rewardcfg::testing

// Reference (b): the floor for the main window of one edition. The same
// top-level window with the same controls of the same classes, in the same
// places and nesting, created before it shows; no texts, fonts, pictures,
// icon or handlers.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include "control_table.h"

namespace {

using rewardcfg::ui::ControlKind;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

// The window class and the styles that make a control of each kind what it is.
ControlClass controlClass(ControlKind kind) {
    switch (kind) {
        case ControlKind::EditBox: return {L"Edit", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::Label: return {L"Static", SS_LEFT | SS_CENTERIMAGE, 0};
        case ControlKind::PushButton: return {L"Button", WS_TABSTOP | BS_PUSHBUTTON, 0};
        case ControlKind::RichText:
            return {RICHEDIT_CLASSW, WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN, WS_EX_CLIENTEDGE};
        case ControlKind::PictureBox: return {L"Static", SS_BITMAP | SS_CENTERIMAGE, 0};
    }
    return {L"Static", 0, 0};
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    if (!LoadLibraryW(L"riched20.dll")) return 1;

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"ControlFloorWindow";
    if (!RegisterClassW(&windowClass)) return 1;
    using rewardcfg::ui::WindowHeight, rewardcfg::ui::WindowWidth;
    HWND window = CreateWindowExW(WS_EX_APPWINDOW, windowClass.lpszClassName, L"Control floor",
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                                  (GetSystemMetrics(SM_CXSCREEN) - WindowWidth) / 2,
                                  (GetSystemMetrics(SM_CYSCREEN) - WindowHeight) / 2, WindowWidth, WindowHeight,
                                  nullptr, nullptr, instance, nullptr);
    if (!window) return 1;

    HWND overlay = nullptr;
    for (const auto& spec : rewardcfg::ui::controlTable(REWARDCFG_FLOOR_EDITION)) {
        const ControlClass kind = controlClass(spec.kind);
        HWND control = CreateWindowExW(kind.exStyle, kind.name, L"",
                                       WS_CHILD | WS_CLIPSIBLINGS | (spec.hidden ? 0 : WS_VISIBLE) | kind.style,
                                       spec.left, spec.top, spec.width, spec.height,
                                       spec.insideOverlay ? overlay : window, nullptr, instance, nullptr);
        if (!control) return 1;
        if (spec.kind == ControlKind::PictureBox) overlay = control;
    }

    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

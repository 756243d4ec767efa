#pragma once

#include <windows.h>
#include <winternl.h>

#include <string>
#include <vector>

namespace rewardcfg::testing {

// How many kernel handles, GDI objects and USER objects this process holds.
// Wine keeps none of these counts (GetProcessHandleCount and GetGuiResources
// answer 0), so where the system gives nothing they are counted here: kernel
// handles in the system's handle list, GDI objects by asking the type of every
// slot of the GDI handle table, USER objects as the windows and menus of the
// process. `counted` says which.
struct ProcessResources {
    DWORD handles = 0;
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    std::string counted;

    friend bool operator==(const ProcessResources& a, const ProcessResources& b) {
        return a.handles == b.handles && a.gdiObjects == b.gdiObjects && a.userObjects == b.userObjects;
    }
    std::string describe() const {
        return "handles " + std::to_string(handles) + ", GDI " + std::to_string(gdiObjects) + ", USER " +
               std::to_string(userObjects) + " (" + counted + ")";
    }
};

namespace resource_counts {

// Wine's layout of one entry of SystemHandleInformation (class 16).
struct HandleEntry {
    ULONG process;
    BYTE type;
    BYTE flags;
    USHORT value;
    PVOID object;
    ULONG access;
};

inline DWORD kernelHandlesInSystemList() {
    using Query = NTSTATUS(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (!query) return 0;
    constexpr NTSTATUS InfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004);
    std::vector<char> buffer(1 << 20);
    ULONG needed = 0;
    NTSTATUS status;
    while ((status = query(16, buffer.data(), static_cast<ULONG>(buffer.size()), &needed)) == InfoLengthMismatch)
        buffer.resize(buffer.size() * 2);
    if (status != 0) return 0;
    const ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
    const auto* entries = reinterpret_cast<const HandleEntry*>(buffer.data() + sizeof(ULONG_PTR));
    DWORD own = 0;
    for (ULONG i = 0; i < count; ++i)
        if (entries[i].process == GetCurrentProcessId()) ++own;
    return own;
}

// Wine finds a live GDI object by its table slot alone, the low word of its handle.
inline DWORD gdiObjectsInHandleTable() {
    DWORD live = 0;
    for (ULONG_PTR slot = 1; slot <= 0xFFFF; ++slot)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot))) ++live;
    return live;
}

inline bool ownWindow(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process == GetCurrentProcessId();
}

inline BOOL CALLBACK countWindow(HWND window, LPARAM count) {
    if (!ownWindow(window)) return TRUE;
    ++*reinterpret_cast<DWORD*>(count);
    EnumChildWindows(
        window,
        [](HWND, LPARAM count) -> BOOL {
            ++*reinterpret_cast<DWORD*>(count);
            return TRUE;
        },
        count);
    return TRUE;
}

inline DWORD windowsAndMenus() {
    DWORD count = 0;
    EnumWindows(countWindow, reinterpret_cast<LPARAM>(&count));
    for (HWND window = nullptr; (window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr));)
        countWindow(window, reinterpret_cast<LPARAM>(&count));
    // As with GDI objects, Wine finds a menu by the low word of its handle.
    for (ULONG_PTR slot = 0x20; slot <= 0xFFFF; slot += 2)
        if (IsMenu(reinterpret_cast<HMENU>(slot))) ++count;
    return count;
}

}  // namespace resource_counts

inline ProcessResources processResources() {
    ProcessResources now;
    std::vector<std::string> byHand;
    GetProcessHandleCount(GetCurrentProcess(), &now.handles);
    if (now.handles == 0) {
        now.handles = resource_counts::kernelHandlesInSystemList();
        byHand.push_back("handles");
    }
    now.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (now.gdiObjects == 0) {
        now.gdiObjects = resource_counts::gdiObjectsInHandleTable();
        byHand.push_back("GDI");
    }
    now.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    if (now.userObjects == 0) {
        now.userObjects = resource_counts::windowsAndMenus();
        byHand.push_back("USER");
    }
    now.counted = "by the system";
    if (!byHand.empty()) {
        now.counted = "counted here:";
        for (const auto& kind : byHand) now.counted += " " + kind;
    }
    return now;
}

}  // namespace rewardcfg::testing

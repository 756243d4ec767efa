#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "win32_handles.h"

namespace rewardcfg::ui {

// The rich edit control's library, kept loaded while its boxes live.
struct RichEditLibrary {
    ModuleHandle module;
    std::wstring className;
};

struct RichEditLibraryNames {
    const wchar_t* version2 = L"riched20.dll";
    const wchar_t* version1 = L"riched32.dll";
};

// Version 2.0, or 1.0 where 2.0 is missing; nothing when neither loads.
std::optional<RichEditLibrary> loadRichEdit(const RichEditLibraryNames& names = {});

// Plain text, no length limit, Enter breaks the line.
void prepareRichText(HWND box, HFONT font);

// The whole text with CR LF line ends, as plain text.
std::wstring richText(HWND box);

}  // namespace rewardcfg::ui

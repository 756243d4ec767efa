#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ansi_code_page.h"

namespace rewardcfg::ui {

// The run works in ANSI code page bytes; the controls speak UTF-16. Converting
// through CP_ACP makes the window behave exactly as an ANSI program would.
using rewardcfg::ansiToWide;
using rewardcfg::wideToAnsi;

std::wstring windowText(HWND window);

}  // namespace rewardcfg::ui

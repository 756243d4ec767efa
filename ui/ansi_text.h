#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace rewardcfg::ui {

// The run works in ANSI code page bytes; the controls speak UTF-16. Converting
// through CP_ACP makes the window behave exactly as an ANSI program would.
std::wstring ansiToWide(std::string_view bytes);
std::string wideToAnsi(std::wstring_view text);

std::wstring windowText(HWND window);

}  // namespace rewardcfg::ui

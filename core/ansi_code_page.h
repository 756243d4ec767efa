#pragma once

#include <string>
#include <string_view>

namespace rewardcfg {

// Bytes of the system's ANSI code page to UTF-16 and back, exactly as an ANSI
// program's text calls convert them. Windows only.
std::wstring ansiToWide(std::string_view bytes);
std::string wideToAnsi(std::wstring_view text);

}  // namespace rewardcfg

#pragma once

#include <string_view>

namespace rewardcfg::ui {

inline constexpr std::wstring_view AuthorPageAddress = L"https://quillomar.example.org/events";

// Starts "explorer <address>" and waits up to a second for it to take input.
// A start that fails is ignored: the link has nothing useful to say about it.
void openAuthorPage();

}  // namespace rewardcfg::ui

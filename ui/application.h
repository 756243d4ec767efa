#pragma once

#include "edition.h"
#include "main_window.h"

namespace rewardcfg::ui {

// The whole life of a program: its folder becomes the current directory, the
// window is built hidden, shown, and served until it closes. Returns the exit
// code: 0 after closing, -1 when the window cannot be built.
int runApplication(Edition edition, const WindowSources& sources);

}  // namespace rewardcfg::ui

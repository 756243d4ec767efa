#include <windows.h>

#include "application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return rewardcfg::ui::runApplication(rewardcfg::Edition::Full, {.instance = instance});
}

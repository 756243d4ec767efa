// The program's start-up with one part made unbuildable, named on the command
// line: "picture" (a picture that does not decode) or "richedit" (no rich edit
// library to load).
#include <windows.h>

#include <cstdint>
#include <string_view>

#include "application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    static const uint8_t notAPicture[] = {'n', 'o', 't', ' ', 'a', ' ', 'P', 'N', 'G'};
    rewardcfg::ui::WindowSources sources{.instance = instance};
    if (std::wstring_view(commandLine) == L"picture")
        sources.pictureBytes = [](rewardcfg::ui::Picture) { return std::span<const uint8_t>(notAPicture); };
    else
        sources.richEdit = {L"missing-riched20.dll", L"missing-riched32.dll"};
    return rewardcfg::ui::runApplication(rewardcfg::Edition::Full, sources);
}

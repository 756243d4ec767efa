#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "edition.h"
#include "generation_view.h"

namespace rewardcfg::ui {

enum class ControlKind { EditBox, Label, PushButton, RichText, PictureBox };

enum class Picture { None, Splash, StartButton, AuthorCard };

// What a control does, where behaviour hangs on it.
enum class ControlRole {
    None,
    SplashOverlay,
    OverlayButton,  // 按钮2
    StartButton,    // 按钮1
    AuthorLink,
    Preview,
    Template,
    Field,
};

// One row of an edition's control table. The rows are in control order:
// creating them in that order gives the stacking (first row on top) and,
// reversed, the Tab order.
struct ControlSpec {
    std::wstring name;  // the control's own name, as code and tests look it up
    ControlKind kind;
    ControlRole role = ControlRole::None;
    int left = 0, top = 0, width = 0, height = 0;  // in the parent's client area
    std::wstring text;                             // start text
    std::string_view ansiText;                     // start text given as ANSI bytes (templates)
    Picture picture = Picture::None;
    bool hidden = false;
    bool insideOverlay = false;  // child of SplashOverlay rather than of the window
};

const std::vector<ControlSpec>& controlTable(Edition edition);

// Names of the controls the generation run reaches.
std::wstring fieldName(InputField field);
std::wstring templateName(TemplateBox box);
std::wstring previewName(PreviewBox box);

inline constexpr std::wstring_view StartDateName = L"开始时间";
inline constexpr std::wstring_view EndDateName = L"结束时间";
inline constexpr std::wstring_view StartButtonName = L"按钮1";
inline constexpr std::wstring_view OverlayButtonName = L"按钮2";
inline constexpr std::wstring_view SplashOverlayName = L"SplashOverlay";
inline constexpr std::wstring_view AuthorLinkName = L"AuthorLink";

std::wstring_view windowTitle(Edition edition);
inline constexpr int WindowWidth = 1047;
inline constexpr int WindowHeight = 648;

}  // namespace rewardcfg::ui

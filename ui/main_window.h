#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "control_table.h"
#include "generation_view.h"
#include "rich_edit.h"
#include "win32_handles.h"

namespace rewardcfg::ui {

// Where the window's pictures and rich edit library come from; tests swap them.
struct WindowSources {
    HINSTANCE instance = nullptr;                                   // holds the picture resources and the icon
    std::function<std::span<const uint8_t>(Picture)> pictureBytes;  // default: the instance's resources
    RichEditLibraryNames richEdit;
};

// The program's only window, built from its edition's control table. It is
// the store of the schedule and the view the generation run works through.
class MainWindow final : public GenerationView {
public:
    // Builds the whole window, hidden; nothing when any part cannot be built.
    static std::unique_ptr<MainWindow> create(Edition edition, const WindowSources& sources);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    void show();
    HWND handle() const { return window_; }
    HWND control(std::wstring_view name) const;
    Edition edition() const { return edition_; }

    // Window-level keys (Escape, Tab, Shift+Tab), seen before any control.
    bool handleKeyboard(const MSG& message);

    std::string fieldText(InputField field) override;
    std::string templateText(TemplateBox box) override;
    void setPreviewText(PreviewBox box, std::string_view text) override;
    void showMessage(std::string_view text) override;

private:
    MainWindow(Edition edition, RichEditLibrary richEdit);
    bool build(const WindowSources& sources);
    bool createControls(const WindowSources& sources);
    HWND createControl(const ControlSpec& spec, int id, HWND parent);
    void focusFirstControl();
    void moveFocus(bool backwards);
    void dismissSplashOverlay();
    void paintSplash(HWND overlay);

    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onControlMessage(HWND control, const ControlSpec& spec, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR row,
                                        DWORD_PTR self);

    Edition edition_;
    RichEditLibrary richEdit_;
    HWND window_ = nullptr;
    FontHandle richTextFont_;
    BitmapHandle splashBitmap_, startBitmap_, authorCardBitmap_;
    std::map<std::wstring, HWND, std::less<>> controls_;
    std::vector<HWND> tabOrder_;  // every control that may take the Tab stop, in Tab order
    HWND focusOnDeactivate_ = nullptr;
    bool endLoopOnDestroy_ = false;
};

}  // namespace rewardcfg::ui

#include "main_window.h"

#include <commctrl.h>

#include <algorithm>

#include "ansi_text.h"
#include "author_link.h"
#include "field_behaviour.h"
#include "generation_run.h"
#include "picture.h"
#include "resource_ids.h"

namespace rewardcfg::ui {
namespace {

constexpr wchar_t WindowClassName[] = L"RewardCfgMainWindow";
constexpr int FirstControlId = 100;

std::span<const uint8_t> resourceBytes(HINSTANCE instance, int id) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(instance, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return {static_cast<const uint8_t*>(data), SizeofResource(instance, found)};
}

int pictureResource(Picture picture) {
    switch (picture) {
        case Picture::Splash: return REWARDCFG_SPLASH_PNG;
        case Picture::StartButton: return REWARDCFG_START_PNG;
        case Picture::AuthorCard: return REWARDCFG_AUTHOR_CARD_PNG;
        case Picture::None: break;
    }
    return 0;
}

bool fontFaceExists(const wchar_t* face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(query.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(
        screen, &query,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
            *reinterpret_cast<bool*>(found) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// "宋体" 9 pt, or the default GUI font's face where the system lacks it.
FontHandle makeRichTextFont() {
    LOGFONTW font{};
    HDC screen = GetDC(nullptr);
    font.lfHeight = -MulDiv(9, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    font.lfCharSet = DEFAULT_CHARSET;
    if (fontFaceExists(L"宋体")) {
        lstrcpynW(font.lfFaceName, L"宋体", LF_FACESIZE);
    } else {
        LOGFONTW gui{};
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
        lstrcpynW(font.lfFaceName, gui.lfFaceName, LF_FACESIZE);
    }
    return FontHandle(CreateFontIndirectW(&font));
}

bool registerWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, WindowClassName, &windowClass)) return true;
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;  // replaced once the window knows its owner
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = WindowClassName;
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(REWARDCFG_ICON), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON),
                                                      LR_SHARED));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(REWARDCFG_ICON), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                                        LR_SHARED));
    return RegisterClassExW(&windowClass) != 0;
}

bool takesTabStop(ControlKind kind) {
    return kind == ControlKind::EditBox || kind == ControlKind::PushButton || kind == ControlKind::RichText;
}

// Controls whose keys or presses the window acts on; the rest keep the class's own procedure.
bool hasOwnHandlers(ControlRole role) {
    return role == ControlRole::Field || role == ControlRole::AuthorLink || role == ControlRole::SplashOverlay;
}

bool modifierHeld(int key) { return (GetKeyState(key) & 0x8000) != 0; }

void drawLabel(const DRAWITEMSTRUCT& item) {
    std::wstring caption = windowText(item.hwndItem);
    std::erase_if(caption, [](wchar_t c) { return c == L'\r' || c == L'\n'; });
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, RGB(0, 0, 0));
    HGDIOBJ previous = SelectObject(item.hDC, GetStockObject(DEFAULT_GUI_FONT));
    RECT area = item.rcItem;
    DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &area,
              DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(item.hDC, previous);
}

}  // namespace

MainWindow::MainWindow(Edition edition, RichEditLibrary richEdit) : edition_(edition), richEdit_(std::move(richEdit)) {}

MainWindow::~MainWindow() {
    if (window_) DestroyWindow(window_);
}

std::unique_ptr<MainWindow> MainWindow::create(Edition edition, const WindowSources& sources) {
    auto richEdit = loadRichEdit(sources.richEdit);
    if (!richEdit) return nullptr;
    std::unique_ptr<MainWindow> window(new MainWindow(edition, std::move(*richEdit)));
    if (!window->build(sources)) return nullptr;
    return window;
}

bool MainWindow::build(const WindowSources& sources) {
    if (!registerWindowClass(sources.instance)) return false;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - WindowWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - WindowHeight) / 2;
    window_ = CreateWindowExW(WS_EX_APPWINDOW, WindowClassName, std::wstring(windowTitle(edition_)).c_str(),
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, left, top,
                              WindowWidth, WindowHeight, nullptr, nullptr, sources.instance, nullptr);
    if (!window_) return false;
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainWindow::windowProc));

    // The frame cannot be resized or maximised: keep the system menu to what applies.
    HMENU systemMenu = GetSystemMenu(window_, FALSE);
    DeleteMenu(systemMenu, SC_SIZE, MF_BYCOMMAND);
    DeleteMenu(systemMenu, SC_MAXIMIZE, MF_BYCOMMAND);

    richTextFont_ = makeRichTextFont();
    return richTextFont_ && createControls(sources);
}

bool MainWindow::createControls(const WindowSources& sources) {
    const COLORREF buttonFace = GetSysColor(COLOR_BTNFACE);
    auto pictureBytes = [&](Picture picture) {
        return sources.pictureBytes ? sources.pictureBytes(picture)
                                    : resourceBytes(sources.instance, pictureResource(picture));
    };

    const auto& table = controlTable(edition_);
    HWND overlay = nullptr;
    for (size_t row = 0; row < table.size(); ++row) {
        const ControlSpec& spec = table[row];
        HWND control = createControl(spec, FirstControlId + static_cast<int>(row),
                                     spec.insideOverlay ? overlay : window_);
        if (!control) return false;
        controls_.emplace(spec.name, control);
        if (spec.role == ControlRole::SplashOverlay) overlay = control;

        switch (spec.picture) {
            case Picture::Splash:  // painted by the overlay itself, centred at natural size
                splashBitmap_ = decodePngBitmap(pictureBytes(spec.picture), buttonFace);
                if (!splashBitmap_) return false;
                break;
            case Picture::StartButton:  // centred by the button, cut at its edges
                startBitmap_ = decodePngBitmap(pictureBytes(spec.picture), buttonFace);
                if (!startBitmap_) return false;
                SendMessageW(control, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(startBitmap_.get()));
                break;
            case Picture::AuthorCard: {  // shrunk uniformly to fit, centred on button face
                auto card = decodePng(pictureBytes(spec.picture), buttonFace);
                if (!card) return false;
                authorCardBitmap_ = makeBitmap(
                    centredOn(shrinkToFit(*card, spec.width, spec.height), spec.width, spec.height, buttonFace));
                if (!authorCardBitmap_) return false;
                SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(authorCardBitmap_.get()));
                break;
            }
            case Picture::None: break;
        }
        if (hasOwnHandlers(spec.role))
            SetWindowSubclass(control, &MainWindow::controlProc, row, reinterpret_cast<DWORD_PTR>(this));
    }

    for (auto row = table.rbegin(); row != table.rend(); ++row)
        if (takesTabStop(row->kind)) tabOrder_.push_back(controls_.at(row->name));
    return true;
}

HWND MainWindow::createControl(const ControlSpec& spec, int id, HWND parent) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (spec.hidden ? 0 : WS_VISIBLE);
    DWORD exStyle = 0;
    const wchar_t* className = L"";
    switch (spec.kind) {
        case ControlKind::EditBox:
            className = L"Edit";
            style |= WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case ControlKind::Label:
            // Drawn by the window: one line, vertically centred, line breaks
            // in the caption neither break the line nor show as boxes.
            className = L"Static";
            style |= SS_OWNERDRAW;
            break;
        case ControlKind::PushButton:
            className = L"Button";
            style |= WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER |
                     (spec.picture != Picture::None ? BS_BITMAP : 0);
            break;
        case ControlKind::RichText:
            className = richEdit_.className.c_str();
            style |= WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case ControlKind::PictureBox:
            // SS_NOTIFY makes the picture take the clicks that land on it
            // instead of letting them through to the fields beneath.
            className = L"Static";
            style |= SS_BITMAP | SS_CENTERIMAGE | SS_NOTIFY | WS_CLIPCHILDREN;
            break;
    }
    HWND control = CreateWindowExW(exStyle, className, spec.text.c_str(), style, spec.left, spec.top, spec.width,
                                   spec.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (!control) return nullptr;
    if (spec.kind == ControlKind::RichText) {
        prepareRichText(control, richTextFont_.get());
        if (!spec.ansiText.empty()) SetWindowTextW(control, ansiToWide(spec.ansiText).c_str());
    } else {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }
    if (spec.kind == ControlKind::EditBox) SendMessageW(control, EM_LIMITTEXT, 0, 0);
    return control;
}

void MainWindow::show() {
    endLoopOnDestroy_ = true;
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
    focusFirstControl();
}

HWND MainWindow::control(std::wstring_view name) const {
    auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

void MainWindow::focusFirstControl() {
    for (HWND candidate : tabOrder_) {
        if (IsWindowVisible(candidate) && IsWindowEnabled(candidate)) {
            SetFocus(candidate);
            return;
        }
    }
}

void MainWindow::moveFocus(bool backwards) {
    const auto count = static_cast<int>(tabOrder_.size());
    const auto at = std::find(tabOrder_.begin(), tabOrder_.end(), GetFocus());
    int index = at == tabOrder_.end() ? (backwards ? 0 : -1) : static_cast<int>(at - tabOrder_.begin());
    for (int step = 0; step < count; ++step) {
        index = (index + (backwards ? count - 1 : 1)) % count;
        HWND candidate = tabOrder_[static_cast<size_t>(index)];
        if (IsWindowVisible(candidate) && IsWindowEnabled(candidate)) {
            SetFocus(candidate);
            return;
        }
    }
}

bool MainWindow::handleKeyboard(const MSG& message) {
    if (message.message != WM_KEYDOWN || !(message.hwnd == window_ || IsChild(window_, message.hwnd))) return false;
    const bool shift = modifierHeld(VK_SHIFT), ctrl = modifierHeld(VK_CONTROL), alt = modifierHeld(VK_MENU);
    if (message.wParam == VK_ESCAPE && !shift && !ctrl && !alt) {
        SendMessageW(window_, WM_CLOSE, 0, 0);
        return true;
    }
    if (message.wParam == VK_TAB && !ctrl && !alt) {
        moveFocus(shift);
        return true;
    }
    return false;
}

// The splash at its natural size, centred in the overlay on button face. Drawn
// here rather than handed to the static control, which would copy it first.
void MainWindow::paintSplash(HWND overlay) {
    PAINTSTRUCT paint;
    HDC target = BeginPaint(overlay, &paint);
    RECT area;
    GetClientRect(overlay, &area);
    FillRect(target, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
    BITMAP size{};
    GetObjectW(splashBitmap_.get(), sizeof size, &size);
    HDC source = CreateCompatibleDC(target);
    HGDIOBJ previous = SelectObject(source, splashBitmap_.get());
    BitBlt(target, (area.right - size.bmWidth) / 2, (area.bottom - size.bmHeight) / 2, size.bmWidth, size.bmHeight,
           source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    EndPaint(overlay, &paint);
}

void MainWindow::dismissSplashOverlay() {
    HWND overlay = control(SplashOverlayName), button = control(OverlayButtonName);
    ShowWindow(overlay, SW_HIDE);
    EnableWindow(overlay, FALSE);
    ShowWindow(button, SW_HIDE);
    EnableWindow(button, FALSE);
    // The click gave the button the focus and the button is gone: without this
    // the next keys the user types would be lost.
    HWND focus = GetFocus();
    if (!focus || !IsWindowVisible(focus) || !IsWindowEnabled(focus)) focusFirstControl();
}

std::string MainWindow::fieldText(InputField field) { return wideToAnsi(windowText(control(fieldName(field)))); }

std::string MainWindow::templateText(TemplateBox box) { return wideToAnsi(richText(control(templateName(box)))); }

void MainWindow::setPreviewText(PreviewBox box, std::string_view text) {
    SetWindowTextW(control(previewName(box)), ansiToWide(text).c_str());
}

void MainWindow::showMessage(std::string_view text) {
    // No owner, and modal to the whole program.
    MessageBoxW(nullptr, ansiToWide(text).c_str(), L"信息：", MB_OK | MB_TASKMODAL);
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                HWND from = reinterpret_cast<HWND>(lParam);
                if (from == control(StartButtonName)) {
                    GenerationRun().run(edition_, *this);
                    return 0;
                }
                if (from == control(OverlayButtonName)) {
                    dismissSplashOverlay();
                    return 0;
                }
            }
            break;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.CtlType != ODT_STATIC) break;
            drawLabel(item);
            return TRUE;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                focusOnDeactivate_ = IsChild(window_, focus) ? focus : nullptr;
            } else if (focusOnDeactivate_ && IsWindowVisible(focusOnDeactivate_) &&
                       IsWindowEnabled(focusOnDeactivate_)) {
                SetFocus(focusOnDeactivate_);
            } else {
                focusFirstControl();
            }
            return 0;
        case WM_SETFOCUS:
            // The window itself holds no caret: hand the focus on to the fields.
            focusFirstControl();
            return 0;
        case WM_DESTROY:
            window_ = nullptr;
            // A window that never opened must not end the loop of whatever
            // comes next, such as the box that reports the failed start.
            if (endLoopOnDestroy_) PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(handle(), message, wParam, lParam);
}

LRESULT MainWindow::onControlMessage(HWND control, const ControlSpec& spec, UINT message, WPARAM wParam,
                                     LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:  // Alt+Enter
            if (spec.role == ControlRole::Field && wParam == VK_RETURN) {
                if (auto next = nextFieldOnEnter(edition_, spec.name)) SetFocus(this->control(*next));
            }
            break;  // the field still handles the key
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:  // a quick second press is a press all the same
            if (spec.role == ControlRole::Field && clearsOnPress(spec.name)) SetWindowTextW(control, L"");
            if (spec.role == ControlRole::AuthorLink) openAuthorPage();
            break;  // the press goes on: focus and caret as usual
        case WM_PAINT:
            if (spec.role == ControlRole::SplashOverlay) {
                paintSplash(control);
                return 0;
            }
            break;
        case WM_COMMAND:
            // 按钮2 lives inside the overlay; its clicks belong to the window.
            if (spec.role == ControlRole::SplashOverlay) return SendMessageW(window_, message, wParam, lParam);
            break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->window_) return DefWindowProcW(window, message, wParam, lParam);
    return self->onMessage(message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::controlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR row,
                                         DWORD_PTR self) {
    auto* window = reinterpret_cast<MainWindow*>(self);
    if (message == WM_NCDESTROY) RemoveWindowSubclass(control, &MainWindow::controlProc, row);
    return window->onControlMessage(control, controlTable(window->edition_)[row], message, wParam, lParam);
}

}  // namespace rewardcfg::ui

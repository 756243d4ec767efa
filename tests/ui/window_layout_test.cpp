// The window as built: frame, places, classes and start texts of the controls.
#include <map>
#include <string>

#include "default_templates.h"
#include "support/window_fixture.h"

namespace rewardcfg {
namespace {

using testing::WindowTest;

struct Place {
    int left, top, width, height;
    friend bool operator==(const Place&, const Place&) = default;
};

std::ostream& operator<<(std::ostream& out, const Place& p) {
    return out << p.left << "," << p.top << " " << p.width << "x" << p.height;
}

Place placeInParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// Spot checks of the control tables, in pixels of the parent's client area.
struct PlaceCase {
    const wchar_t* name;
    Place full;
    Place itemOnly;  // width 0: the control does not exist in ItemOnly
};

const PlaceCase placeCases[] = {
    {L"SplashOverlay", {-91, -42, 1226, 724}, {-91, -42, 1226, 724}},
    {L"按钮2", {816, 518, 240, 64}, {816, 518, 240, 64}},
    {L"item_id_1", {144, 23, 120, 24}, {144, 23, 120, 24}},
    {L"item_id_19", {144, 545, 120, 24}, {144, 545, 120, 24}},
    {L"item_id_20", {144, 578, 120, 24}, {144, 578, 120, 24}},  // 4 px below the pattern
    {L"item_co_1", {292, 23, 40, 24}, {}},
    {L"item_co_19", {292, 545, 40, 24}, {}},
    {L"item_co_20", {292, 578, 40, 24}, {}},
    {L"amount_marker_1", {275, 24, 10, 24}, {}},
    {L"amount_marker_20", {275, 579, 10, 24}, {}},
    {L"day_label_1", {21, 23, 112, 24}, {21, 23, 112, 24}},
    {L"day_label_20", {21, 578, 112, 24}, {21, 578, 112, 24}},
    {L"开始时间", {402, 48, 136, 24}, {296, 48, 136, 24}},
    {L"结束时间", {402, 152, 136, 24}, {296, 152, 136, 24}},
    {L"start_date_label", {410, 16, 112, 24}, {304, 16, 112, 24}},
    {L"end_date_label", {410, 120, 112, 24}, {304, 120, 112, 24}},
    {L"按钮1", {402, 248, 136, 56}, {296, 248, 136, 56}},
    {L"ServerPreview", {577, 64, 224, 536}, {464, 64, 224, 536}},
    {L"ClientPreview", {813, 64, 224, 536}, {760, 64, 224, 536}},
    {L"server_file_label", {601, 24, 176, 32}, {488, 24, 176, 32}},
    {L"client_file_label", {821, 32, 192, 24}, {768, 32, 192, 24}},
    {L"AuthorLink", {374, 521, 192, 88}, {268, 521, 192, 88}},
    {L"ServerHeaderTemplate", {736, 544, 112, 48}, {736, 544, 112, 48}},
    {L"ClientHeaderTemplate", {456, 272, 96, 32}, {456, 272, 96, 32}},
    {L"ClientMainTemplate", {456, 328, 96, 32}, {456, 328, 96, 32}},
};

class WindowLayout : public WindowTest {};

TEST_P(WindowLayout, FrameIsFixedCentredAndTitled) {
    HWND frame = window().handle();
    wchar_t title[128] = {};
    GetWindowTextW(frame, title, 128);
    EXPECT_STREQ(title,
                 edition() == Edition::Full ? L"Tool: Attendance (Free)  V2.0" : L"Tool: Attendance (Free)  V1.0");

    RECT outer;
    GetWindowRect(frame, &outer);
    EXPECT_EQ(outer.right - outer.left, 1047);
    EXPECT_EQ(outer.bottom - outer.top, 648);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 1047) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 648) / 2);

    const LONG style = GetWindowLongW(frame, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(GetWindowLongW(frame, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_NE(GetClassLongPtrW(frame, GCLP_HICON), 0);
    EXPECT_EQ(GetClassLongPtrW(frame, GCLP_HBRBACKGROUND), static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));

    HMENU systemMenu = GetSystemMenu(frame, FALSE);
    EXPECT_NE(GetMenuState(systemMenu, SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(GetMenuState(systemMenu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(GetMenuState(systemMenu, SC_SIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(GetMenuState(systemMenu, SC_MAXIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST_P(WindowLayout, ControlsSitWhereTheTableSays) {
    for (const auto& expected : placeCases) {
        const Place& place = edition() == Edition::Full ? expected.full : expected.itemOnly;
        HWND found = window().control(expected.name);
        if (place.width == 0) {
            EXPECT_EQ(found, nullptr) << WindowTest::narrow(expected.name);
            continue;
        }
        ASSERT_NE(found, nullptr) << WindowTest::narrow(expected.name);
        EXPECT_EQ(placeInParent(found), place) << WindowTest::narrow(expected.name);
    }
    EXPECT_EQ(GetParent(control(L"按钮2")), control(L"SplashOverlay"));
    EXPECT_EQ(ui::controlTable(edition()).size(), edition() == Edition::Full ? 95u : 55u);
}

TEST_P(WindowLayout, ControlsAreTheSystemsStandardClasses) {
    const std::map<std::wstring, std::wstring> classes = {
        {L"item_id_7", L"Edit"},
        {L"开始时间", L"Edit"},
        {L"day_label_7", L"Static"},
        {L"按钮1", L"Button"},
        {L"按钮2", L"Button"},
        {L"SplashOverlay", L"Static"},
        {L"AuthorLink", L"Static"},
        {L"ServerPreview", L"RichEdit20W"},
        {L"ClientMainTemplate", L"RichEdit20W"},
    };
    for (const auto& [name, expected] : classes) {
        wchar_t className[64] = {};
        GetClassNameW(control(name), className, 64);
        EXPECT_EQ(lstrcmpiW(className, expected.c_str()), 0) << WindowTest::narrow(name);
    }
    const LONG edit = GetWindowLongW(control(L"item_id_7"), GWL_STYLE);
    EXPECT_TRUE(edit & ES_AUTOHSCROLL);
    EXPECT_FALSE(edit & (ES_NUMBER | ES_PASSWORD | ES_UPPERCASE | ES_LOWERCASE | ES_NOHIDESEL | ES_MULTILINE));
    EXPECT_TRUE(edit & WS_TABSTOP);
    EXPECT_TRUE(GetWindowLongW(control(L"item_id_7"), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    const LONG button = GetWindowLongW(control(L"按钮1"), GWL_STYLE);
    EXPECT_EQ(button & BS_TYPEMASK, BS_PUSHBUTTON);  // never the default button
    const LONG rich = GetWindowLongW(control(L"ServerPreview"), GWL_STYLE);
    EXPECT_TRUE(rich & ES_MULTILINE);
    // The scroll bar comes when the text needs it.
    std::string lines;
    for (int i = 0; i < 100; ++i) lines += "line\r\n";
    window().setPreviewText(PreviewBox::ServerPreview, lines);
    EXPECT_TRUE(GetWindowLongW(control(L"ServerPreview"), GWL_STYLE) & WS_VSCROLL);
    EXPECT_TRUE(rich & ES_WANTRETURN);
    EXPECT_FALSE(rich & ES_READONLY);
}

TEST_P(WindowLayout, StartTexts) {
    for (int day = 1; day <= 20; ++day) {
        EXPECT_EQ(text(L"item_id_" + std::to_wstring(day)), L"");
        if (edition() == Edition::Full) EXPECT_EQ(text(L"item_co_" + std::to_wstring(day)), L"");
    }
    EXPECT_EQ(text(L"开始时间"), L"20240701");
    EXPECT_EQ(text(L"结束时间"), L"20240720");
    EXPECT_EQ(text(L"ServerPreview"), L"");
    EXPECT_EQ(text(L"ClientPreview"), L"");
    EXPECT_EQ(text(L"按钮1"), L"START");
    EXPECT_EQ(text(L"按钮2"), L"按钮");
    EXPECT_EQ(text(L"day_label_20"), L"签到第20天道具ID");
    EXPECT_EQ(text(L"day_label_9"), L"签到第9天道具ID");
    EXPECT_EQ(text(L"server_file_label"), L"服务端文件attendance.yml");
    EXPECT_EQ(text(L"client_file_label"), L"客户端文件\r\nCheckAttendance.lub\r\n");
    EXPECT_EQ(text(L"start_date_label"), L"签到开始时间");
    EXPECT_EQ(text(L"end_date_label"), L"签到结束时间");
}

TEST_P(WindowLayout, TemplatesAreHiddenAndReadBackExactly) {
    for (auto box :
         {TemplateBox::ServerHeaderTemplate, TemplateBox::ClientHeaderTemplate, TemplateBox::ClientMainTemplate})
        EXPECT_FALSE(IsWindowVisible(control(ui::templateName(box))));
    EXPECT_EQ(window().templateText(TemplateBox::ServerHeaderTemplate), ServerHeaderTemplate);
    EXPECT_EQ(window().templateText(TemplateBox::ClientHeaderTemplate), ClientHeaderTemplate);
    EXPECT_EQ(window().templateText(TemplateBox::ClientMainTemplate), ClientMainTemplate);  // last line unended
}

TEST_P(WindowLayout, OverlayCoversTheWindowUntilDismissed) {
    HWND frame = window().handle();
    EXPECT_EQ(GetWindow(frame, GW_CHILD), control(L"SplashOverlay"));  // top of the stack
    RECT client;
    GetClientRect(frame, &client);
    for (POINT corner : {POINT{0, 0}, POINT{client.right - 1, client.bottom - 1}, POINT{200, 30}}) {
        EXPECT_EQ(ChildWindowFromPointEx(frame, corner, CWP_SKIPINVISIBLE), control(L"SplashOverlay"));
    }
    EXPECT_EQ(WindowFromPoint(testing::screenPointOf(control(L"item_id_1"))), control(L"SplashOverlay"));
    EXPECT_EQ(WindowFromPoint(testing::screenPointOf(control(L"按钮2"))), control(L"按钮2"));
    // A click on the overlay does not reach the field beneath it.
    setText(L"item_id_1", L"kept");
    clickOn(L"item_id_1");
    EXPECT_EQ(text(L"item_id_1"), L"kept");

    dismissOverlay();
    EXPECT_EQ(WindowFromPoint(testing::screenPointOf(control(L"item_id_1"))), control(L"item_id_1"));
    EXPECT_EQ(WindowFromPoint(testing::screenPointOf(control(L"按钮1"))), control(L"按钮1"));
}

REWARDCFG_FOR_BOTH_EDITIONS(WindowLayout);

}  // namespace
}  // namespace rewardcfg

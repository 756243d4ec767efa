// Window-level keys with real key input: the Tab order, Escape, Enter on START.
#include <string>
#include <vector>

#include "support/message_box_watcher.h"
#include "support/window_fixture.h"

namespace rewardcfg {
namespace {

using testing::sendKey;
using testing::sendKeys;
using testing::WindowTest;

// The Tab order of the full window from item_id_19, as laid down for users.
std::vector<std::string> fullTabOrder(bool withOverlayButton) {
    std::vector<std::string> order = {"item_id_19", "item_id_18",    "item_id_17", "item_id_14", "item_id_16",
                                      "item_id_12", "item_id_11",    "item_id_10", "item_id_9",  "item_id_8",
                                      "item_id_20", "item_id_15",    "item_id_7",  "item_id_6",  "item_id_5",
                                      "item_id_13", "item_id_4",     "item_id_3",  "item_id_2",  "item_id_1",
                                      "按钮1",      "ServerPreview", "开始时间",   "结束时间",   "ClientPreview"};
    if (withOverlayButton) order.push_back("按钮2");
    for (int day = 20; day >= 1; --day) order.push_back("item_co_" + std::to_string(day));
    return order;
}

std::vector<std::string> tabOrder(Edition edition, bool withOverlayButton) {
    std::vector<std::string> order;
    for (const auto& name : fullTabOrder(withOverlayButton))
        if (edition == Edition::Full || !name.starts_with("item_co_")) order.push_back(name);
    return order;
}

class WindowKeyboard : public WindowTest {
protected:
    // Presses Tab (or Shift+Tab) `count` times and records where the focus went.
    std::vector<std::string> walk(int count, bool backwards = false) {
        std::vector<std::string> visited;
        for (int i = 0; i < count; ++i) {
            if (backwards)
                sendKeys({VK_SHIFT}, VK_TAB);
            else
                sendKey(VK_TAB);
            pump(15);
            visited.push_back(focusName());
        }
        return visited;
    }
};

TEST_P(WindowKeyboard, FocusStartsInItemId19) { EXPECT_EQ(focusName(), "item_id_19"); }

TEST_P(WindowKeyboard, TypingBeforeDismissalLandsInItemId19) {
    testing::sendText(L"501");
    pump();
    EXPECT_EQ(text(L"item_id_19"), L"501");
}

TEST_P(WindowKeyboard, TabWalksTheWholeOrderAndWraps) {
    auto expected = tabOrder(edition(), true);
    auto visited = walk(static_cast<int>(expected.size()));
    std::vector<std::string> expectedVisits(expected.begin() + 1, expected.end());
    expectedVisits.push_back(expected.front());  // wrapped around to item_id_19
    EXPECT_EQ(visited, expectedVisits);
}

TEST_P(WindowKeyboard, ShiftTabGoesBackwards) {
    const std::vector<std::string> expected = edition() == Edition::Full
                                                  ? std::vector<std::string>{"item_co_1", "item_co_2"}
                                                  : std::vector<std::string>{"按钮2", "ClientPreview"};
    EXPECT_EQ(walk(2, true), expected);
}

TEST_P(WindowKeyboard, HiddenOverlayButtonLeavesTheOrder) {
    dismissOverlay();
    focus(L"item_id_19");
    auto expected = tabOrder(edition(), false);
    auto visited = walk(static_cast<int>(expected.size()));
    std::vector<std::string> expectedVisits(expected.begin() + 1, expected.end());
    expectedVisits.push_back(expected.front());
    EXPECT_EQ(visited, expectedVisits);
    focus(L"item_id_19");
    EXPECT_EQ(walk(1, true).front(), edition() == Edition::Full ? "item_co_1" : "ClientPreview");
}

TEST_P(WindowKeyboard, TabFromSpotsOfTheOrder) {
    dismissOverlay();
    focus(L"item_id_1");
    EXPECT_EQ(walk(1).front(), "按钮1");
    focus(L"item_id_4");
    EXPECT_EQ(walk(1).front(), "item_id_3");
}

TEST_P(WindowKeyboard, TabInARichTextBoxMovesOnInsteadOfTyping) {
    dismissOverlay();
    focus(L"ServerPreview");
    EXPECT_EQ(walk(1).front(), "开始时间");
    EXPECT_EQ(text(L"ServerPreview"), L"");
}

TEST_P(WindowKeyboard, EnterInAPreviewBreaksTheLine) {
    dismissOverlay();
    focus(L"ClientPreview");
    testing::sendText(L"a");
    sendKey(VK_RETURN);
    testing::sendText(L"b");
    pump();
    EXPECT_EQ(focusName(), "ClientPreview");
    EXPECT_EQ(text(L"ClientPreview"), L"a\r\nb");
}

TEST_P(WindowKeyboard, EnterDoesNotPressStart) {
    dismissOverlay();
    testing::MessageBoxWatcher watcher;
    focus(L"按钮1");
    sendKey(VK_RETURN);
    pump(100);
    EXPECT_TRUE(watcher.seen().empty());  // a run would have said "day 1 seted,please!"
    sendKey(VK_SPACE);                    // the button's own key still presses it
    pump(200);
    EXPECT_EQ(watcher.seen().size(), 1u);
}

TEST_P(WindowKeyboard, F1DoesNothing) {
    sendKey(VK_F1);
    pump();
    EXPECT_TRUE(IsWindow(window().handle()));
    EXPECT_EQ(focusName(), "item_id_19");
}

struct EscapeCase {
    Edition edition;
    const wchar_t* focused;
};

class EscapeCloses : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeCloses, FromAnyControl) {
    auto window = ui::MainWindow::create(GetParam().edition, {.instance = GetModuleHandleW(nullptr)});
    ASSERT_TRUE(window);
    window->show();
    auto pump = [&](int ms) { testing::pumpMessages([&](const MSG& m) { return window->handleKeyboard(m); }, ms); };
    pump(50);
    SendMessageW(window->control(ui::OverlayButtonName), BM_CLICK, 0, 0);
    SetFocus(window->control(GetParam().focused));
    pump(20);
    HWND frame = window->handle();
    sendKeys({VK_SHIFT}, VK_ESCAPE);  // only a plain Escape closes
    pump(50);
    ASSERT_TRUE(IsWindow(frame));
    sendKey(VK_ESCAPE);
    pump(100);
    EXPECT_FALSE(IsWindow(frame));
}

INSTANTIATE_TEST_SUITE_P(
    Controls, EscapeCloses,
    ::testing::Values(EscapeCase{Edition::Full, L"item_id_3"}, EscapeCase{Edition::Full, L"ServerPreview"},
                      EscapeCase{Edition::Full, L"开始时间"}, EscapeCase{Edition::Full, L"item_co_9"},
                      EscapeCase{Edition::ItemOnly, L"ClientPreview"}, EscapeCase{Edition::ItemOnly, L"结束时间"},
                      EscapeCase{Edition::ItemOnly, L"按钮1"}));

REWARDCFG_FOR_BOTH_EDITIONS(WindowKeyboard);

}  // namespace
}  // namespace rewardcfg

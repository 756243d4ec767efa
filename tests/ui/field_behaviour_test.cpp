// Enter walking the fields, fields that clear on a press, and the overlay
// button, all with real key and mouse input.
#include <string>
#include <vector>

#include "support/window_fixture.h"

namespace rewardcfg {
namespace {

using testing::MouseAction;
using testing::MouseButton;
using testing::sendKey;
using testing::sendKeys;
using testing::WindowTest;

class FieldBehaviour : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        dismissOverlay();
    }

    std::string afterEnter(const wchar_t* from, std::initializer_list<WORD> modifiers = {}) {
        focus(from);
        sendKeys(modifiers, VK_RETURN);
        pump(20);
        return focusName();
    }
};

struct EnterStep {
    const wchar_t* from;
    const char* full;
    const char* itemOnly;  // nullptr: the field does not exist in ItemOnly
};

const EnterStep enterSteps[] = {
    {L"item_id_1", "item_co_1", "item_id_2"},
    {L"item_co_1", "item_id_2", nullptr},
    {L"item_id_5", "item_co_5", "item_id_6"},
    {L"item_co_9", "item_id_10", nullptr},
    {L"item_id_19", "item_co_19", "item_id_20"},
    {L"item_id_20", "item_co_20", "开始时间"},
    {L"item_co_20", "开始时间", nullptr},
    {L"开始时间", "结束时间", "结束时间"},
    {L"结束时间", "结束时间", "结束时间"},  // the chain ends here
    {L"按钮1", "按钮1", "按钮1"},           // not in the chain
};

TEST_P(FieldBehaviour, EnterMovesAlongTheChain) {
    for (const auto& step : enterSteps) {
        const char* expected = edition() == Edition::Full ? step.full : step.itemOnly;
        if (!expected) continue;
        EXPECT_EQ(afterEnter(step.from), expected) << narrow(step.from);
    }
}

TEST_P(FieldBehaviour, EnterWithModifiersMovesToo) {
    const char* next = edition() == Edition::Full ? "item_co_7" : "item_id_8";
    EXPECT_EQ(afterEnter(L"item_id_7", {VK_SHIFT}), next);
    EXPECT_EQ(afterEnter(L"item_id_7", {VK_CONTROL}), next);
    EXPECT_EQ(afterEnter(L"item_id_7", {VK_MENU}), next);  // arrives as a system key
    EXPECT_TRUE(IsWindow(window().handle()));
}

TEST_P(FieldBehaviour, HoldingEnterWalksToTheEndDate) {
    setText(L"开始时间", L"20250101");
    focus(L"item_id_1");
    sendKeys({}, VK_RETURN, 60);  // 60 key-downs: auto-repeat
    pump(150);
    EXPECT_EQ(focusName(), "结束时间");
    EXPECT_EQ(text(L"开始时间"), L"20250101");  // reaching a date by Enter keeps it
    EXPECT_EQ(text(L"结束时间"), L"20240720");
}

TEST_P(FieldBehaviour, EnterKeepsTextsAndOtherKeysReachTheField) {
    setText(L"item_id_2", L"abc");
    setText(L"item_id_3", L"def");
    const wchar_t* next = edition() == Edition::Full ? L"item_co_2" : L"item_id_3";
    setText(next, L"def");
    focus(L"item_id_2");
    sendKey(VK_END);
    testing::sendText(L"x");
    sendKey(VK_RETURN);
    testing::sendText(L"y");
    pump();
    EXPECT_EQ(text(L"item_id_2"), L"abcx");
    EXPECT_NE(text(next).find(L"y"), std::wstring::npos);
    EXPECT_NE(text(next).find(L"def"), std::wstring::npos);
}

TEST_P(FieldBehaviour, PressClearsItemId1AndTheDatesEveryTime) {
    for (const wchar_t* name : {L"开始时间", L"结束时间", L"item_id_1"}) {
        clickOn(name);
        EXPECT_EQ(text(name), L"") << narrow(name);
        EXPECT_EQ(GetFocus(), control(name)) << narrow(name);  // the press still focuses the field
        testing::sendText(L"2025");
        pump();
        EXPECT_EQ(text(name), L"2025");
        clickOn(name);
        EXPECT_EQ(text(name), L"") << "second press, " << narrow(name);
    }
}

TEST_P(FieldBehaviour, OtherFieldsKeepTheirTextOnAPress) {
    std::vector<const wchar_t*> kept = {L"item_id_2", L"item_id_20"};
    if (edition() == Edition::Full) kept.push_back(L"item_co_1");
    for (const wchar_t* name : kept) {
        setText(name, L"keep");
        clickOn(name);
        EXPECT_EQ(text(name), L"keep") << narrow(name);
    }
}

TEST_P(FieldBehaviour, OnlyTheLeftPressClears) {
    clickOn(L"开始时间", MouseButton::Left, MouseAction::ReleaseOnly);
    EXPECT_EQ(text(L"开始时间"), L"20240701");
    clickOn(L"开始时间", MouseButton::Right, MouseAction::PressOnly);
    EXPECT_EQ(text(L"开始时间"), L"20240701");
    // The release opens the field's context menu: queue the Escape that closes it.
    testing::sendMouse(testing::screenPointOf(control(L"开始时间")), MouseButton::Right, MouseAction::ReleaseOnly);
    sendKey(VK_ESCAPE);
    pump();
    if (IsWindow(window().handle())) EXPECT_EQ(text(L"开始时间"), L"20240701");
}

TEST_P(FieldBehaviour, OverlayButtonHidesAndDisablesForGood) {
    for (const wchar_t* name : {L"SplashOverlay", L"按钮2"}) {
        EXPECT_FALSE(IsWindowVisible(control(name))) << narrow(name);
        EXPECT_FALSE(IsWindowEnabled(control(name))) << narrow(name);
    }
    for (const wchar_t* name : {L"item_id_1", L"按钮1", L"ServerPreview", L"ClientPreview", L"AuthorLink"})
        EXPECT_TRUE(IsWindowVisible(control(name))) << narrow(name);
    // The pressed button took the focus and is gone; keys must still reach a field.
    EXPECT_EQ(focusName(), "item_id_19");
    // Activating the window again brings nothing back.
    SendMessageW(window().handle(), WM_ACTIVATE, WA_INACTIVE, 0);
    SendMessageW(window().handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    pump();
    EXPECT_FALSE(IsWindowVisible(control(L"SplashOverlay")));
    EXPECT_FALSE(IsWindowVisible(control(L"按钮2")));
}

REWARDCFG_FOR_BOTH_EDITIONS(FieldBehaviour);

}  // namespace
}  // namespace rewardcfg

#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "control_table.h"
#include "main_window.h"
#include "support/input.h"

namespace rewardcfg::testing {

inline const char* editionName(Edition edition) { return edition == Edition::Full ? "Full" : "ItemOnly"; }

// A shown window of the edition under test, served by the program's own keyboard
// handling; each case gets a new one.
class WindowTest : public ::testing::TestWithParam<Edition> {
protected:
    void SetUp() override {
        window_ = ui::MainWindow::create(edition(), {.instance = GetModuleHandleW(nullptr)});
        ASSERT_TRUE(window_);
        window_->show();
        pump(100);
    }

    void TearDown() override {
        window_.reset();
        pump(20);
    }

    Edition edition() const { return GetParam(); }
    ui::MainWindow& window() { return *window_; }

    void pump(int forMs = 40) {
        pumpMessages([this](const MSG& message) { return window_ && window_->handleKeyboard(message); }, forMs);
    }

    HWND control(std::wstring_view name) const {
        HWND found = window_->control(name);
        EXPECT_NE(found, nullptr) << "no control named " << narrow(name);
        return found;
    }

    // The table name of a control, or "(none)".
    std::string nameOf(HWND control) const {
        for (const auto& spec : ui::controlTable(GetParam()))
            if (window_->control(spec.name) == control) return narrow(spec.name);
        return "(none)";
    }

    std::string focusName() const { return nameOf(GetFocus()); }

    std::wstring text(std::wstring_view name) const {
        wchar_t buffer[512] = {};
        GetWindowTextW(window_->control(name), buffer, 512);
        return buffer;
    }

    void setText(std::wstring_view name, const std::wstring& value) { SetWindowTextW(control(name), value.c_str()); }

    void clickOn(std::wstring_view name, MouseButton button = MouseButton::Left,
                 MouseAction action = MouseAction::Click) {
        sendMouse(screenPointOf(control(name)), button, action);
        pump();
    }

    // Item IDs "501".."520" and, in Full, amounts "1".."20"; the dates keep their start texts.
    void fillAllFields() {
        for (int day = 1; day <= 20; ++day) {
            setText(L"item_id_" + std::to_wstring(day), std::to_wstring(500 + day));
            if (edition() == Edition::Full) setText(L"item_co_" + std::to_wstring(day), std::to_wstring(day));
        }
    }

    void dismissOverlay() { clickOn(ui::OverlayButtonName); }

    void focus(std::wstring_view name) {
        SetFocus(control(name));
        pump(10);
    }

    // Control names in UTF-8, for readable failure messages.
    static std::string narrow(std::wstring_view text) {
        std::string bytes(text.size() * 4, '\0');
        bytes.resize(
            static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                    bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr)));
        return bytes;
    }

private:
    std::unique_ptr<ui::MainWindow> window_;
};

inline std::string editionParamName(const ::testing::TestParamInfo<Edition>& info) { return editionName(info.param); }

#define REWARDCFG_FOR_BOTH_EDITIONS(Suite)                                                         \
    INSTANTIATE_TEST_SUITE_P(Editions, Suite, ::testing::Values(Edition::Full, Edition::ItemOnly), \
                             ::rewardcfg::testing::editionParamName)

}  // namespace rewardcfg::testing

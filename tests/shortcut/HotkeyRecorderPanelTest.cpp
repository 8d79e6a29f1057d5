#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include "platform/fake/FakePlatform.h"
#include "shortcut/HotkeyRecorderPanel.h"
#include "ui/Frame.h"

namespace {

namespace flag = platform::modifierFlag;
using platform::KeyEvent;

class HotkeyRecorderPanelTest : public testing::Test {
protected:
    HotkeyRecorderPanelTest() {
        panel_.completion = [this](std::optional<Hotkey> hotkey) {
            results_.push_back(std::move(hotkey));
        };
        panel_.centerOnActiveScreen();
        panel_.showAndActivate();
    }

    // Key presses are read through its keyboard layout.
    platform::FakePlatform services_;
    HotkeyRecorderPanel panel_;
    std::vector<std::optional<Hotkey>> results_;
};

TEST_F(HotkeyRecorderPanelTest, ShowsItsPromptCentredOnThePrimaryScreen) {
    EXPECT_EQ(panel_.size(), QSize(360, 90));
    EXPECT_EQ(frameOf(panel_.label()), (Frame{20, 30, 320, 30}));
    EXPECT_EQ(panel_.label().text(), QStringLiteral("Press new shortcut…  (Esc to cancel)"));
    EXPECT_EQ(panel_.label().alignment(), Qt::AlignCenter);
    EXPECT_TRUE(panel_.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(panel_.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(panel_.geometry().center(),
              QGuiApplication::primaryScreen()->availableGeometry().center());
    EXPECT_TRUE(panel_.isVisible());
    ASSERT_TRUE(panel_.grab().save(QDir::current().filePath("recorder-panel.png")));
}

TEST_F(HotkeyRecorderPanelTest, PlainEscapeCancelsOnce) {
    panel_.keyDown(KeyEvent{53, 0, "\x1b"});
    ASSERT_EQ(results_.size(), 1u);
    EXPECT_FALSE(results_[0]);
    EXPECT_FALSE(panel_.isVisible());
    panel_.keyDown(KeyEvent{53, 0, "\x1b"});
    panel_.keyDown(KeyEvent{0, flag::shift, "A"});
    EXPECT_EQ(results_.size(), 1u) << "the completion is called at most once";
}

TEST_F(HotkeyRecorderPanelTest, RecordsTheFirstKeyWithAModifier) {
    const struct {
        const char* why;
        KeyEvent event;
        std::uint32_t keyCode, modifiers;
        const char* display;
    } cases[] = {
        {"option escape is a shortcut, not a cancel",
         {53, flag::option, "\x1b"},
         53,
         0x0800,
         "⌥\x1b"},
        {"shift alone counts", {0, flag::shift, "A"}, 0, 0x0200, "⇧A"},
        {"control option space", {49, flag::control | flag::option, " "}, 49, 0x1800, "⌃⌥Space"},
    };
    for (const auto& c : cases) {
        HotkeyRecorderPanel panel;
        std::optional<Hotkey> recorded;
        panel.completion = [&](std::optional<Hotkey> hotkey) { recorded = std::move(hotkey); };
        panel.showAndActivate();
        panel.keyDown(c.event);
        ASSERT_TRUE(recorded) << c.why;
        EXPECT_EQ(recorded->keyCode, c.keyCode) << c.why;
        EXPECT_EQ(recorded->carbonModifiers, c.modifiers) << c.why;
        EXPECT_EQ(recorded->displayString, c.display) << c.why;
        EXPECT_FALSE(panel.isVisible()) << c.why;
        EXPECT_FALSE(panel.completion) << c.why;
    }
}

TEST_F(HotkeyRecorderPanelTest, IgnoresKeysThatCannotBeAShortcut) {
    const struct {
        const char* why;
        KeyEvent event;
    } cases[] = {
        {"a letter alone", {0, 0, "a"}},
        {"caps lock is no modifier", {0, flag::capsLock, "A"}},
        {"no characters", {123, flag::control, std::nullopt}},
        {"a dead key", {33, flag::option, ""}},
    };
    for (const auto& c : cases) {
        panel_.keyDown(c.event);
        EXPECT_TRUE(results_.empty()) << c.why;
        EXPECT_TRUE(panel_.isVisible()) << c.why;
    }
}

TEST_F(HotkeyRecorderPanelTest, TakesKeyPressesFromQt) {
    // Shift+A as X delivers it: key code 38, Shift in the state.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, 38, 0x41, 0x1,
                    QStringLiteral("A"));
    QApplication::sendEvent(&panel_, &press);
    ASSERT_EQ(results_.size(), 1u);
    ASSERT_TRUE(results_[0]);
    EXPECT_EQ(results_[0]->keyCode, 0u);
    EXPECT_EQ(results_[0]->displayString, "⇧A");
}

TEST_F(HotkeyRecorderPanelTest, CompletionMayDropThePanel) {
    auto panel = std::make_unique<HotkeyRecorderPanel>();
    int calls = 0;
    panel->completion = [&](std::optional<Hotkey>) {
        ++calls;
        panel.reset();
    };
    panel->keyDown(KeyEvent{53, 0, "\x1b"});
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(panel);
}

}  // namespace

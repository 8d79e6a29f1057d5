#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>

#include "platform/fake/FakePlatform.h"
#include "ui/Frame.h"
#include "windows/ShortcutField.h"

namespace {

namespace flag = platform::modifierFlag;
using platform::KeyEvent;

const QColor accent(0, 122, 255);
const QColor text(20, 20, 20);
const QColor fieldBackground(255, 255, 255);

QColor alpha(QColor color, double value) {
    color.setAlphaF(static_cast<float>(value));
    return color;
}

// The field as the welcome window holds it, beside another view that can take the focus.
class ShortcutFieldTest : public testing::Test {
protected:
    ShortcutFieldTest() {
        QPalette colors;
        colors.setColor(QPalette::Window, QColor(236, 236, 236));
        colors.setColor(QPalette::WindowText, text);
        colors.setColor(QPalette::Base, fieldBackground);
        colors.setColor(QPalette::Highlight, accent);
        window_.setPalette(colors);
        window_.setAutoFillBackground(true);
        window_.resize(420, 80);
        place(field_, Frame{80, 18, 260, 44});
        place(other_, Frame{0, 0, 40, 20});
        field_.onRecorded = [this](const Hotkey& hotkey) { recorded_.push_back(hotkey); };
        window_.show();
        window_.activateWindow();
        QApplication::setActiveWindow(&window_);
    }

    void click() {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(130, 22), QPointF(130, 22),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&field_, &press);
    }
    void saveRender(const QString& name) {
        QApplication::processEvents();
        ASSERT_TRUE(window_.grab().save(QDir::current().filePath(name + ".png")));
    }

    // Key presses are read through its keyboard layout.
    platform::FakePlatform services_;
    QWidget window_;
    ShortcutField field_{&window_};
    QLineEdit other_{&window_};
    std::vector<Hotkey> recorded_;
};

TEST_F(ShortcutFieldTest, IdleFieldInvitesAClick) {
    EXPECT_EQ(frameOf(field_.label()), (Frame{12, 11, 236, 22}));
    EXPECT_EQ(field_.label().text(), QStringLiteral("Click to record shortcut"));
    EXPECT_EQ(field_.label().font().pixelSize(), 14);
    EXPECT_FALSE(field_.label().font().bold());
    EXPECT_EQ(field_.label().palette().color(QPalette::WindowText), alpha(text, 0.6));
    EXPECT_EQ(field_.borderColor(), alpha(text, 0.3));
    EXPECT_EQ(field_.backgroundColor(), fieldBackground);
    saveRender("shortcut-field-idle");
}

TEST_F(ShortcutFieldTest, ClickStartsRecording) {
    click();
    EXPECT_TRUE(field_.isRecording());
    EXPECT_TRUE(field_.hasFocus());
    EXPECT_EQ(field_.label().text(), QStringLiteral("Press shortcut keys…"));
    EXPECT_EQ(field_.label().font().pixelSize(), 14) << "the font last set";
    EXPECT_EQ(field_.label().palette().color(QPalette::WindowText), alpha(text, 0.6));
    EXPECT_EQ(field_.borderColor(), accent);
    EXPECT_EQ(field_.backgroundColor(), alpha(accent, 0.12));
    saveRender("shortcut-field-recording");
}

TEST_F(ShortcutFieldTest, RecordsAKeyWithAModifierAndShowsIt) {
    field_.beginRecording();
    field_.keyDown(KeyEvent{40, flag::command | flag::shift, "K"});
    ASSERT_EQ(recorded_.size(), 1u);
    EXPECT_EQ(recorded_[0].keyCode, 40u);
    EXPECT_EQ(recorded_[0].carbonModifiers, 0x0300u);
    EXPECT_EQ(recorded_[0].displayString, "⇧⌘K");
    ASSERT_TRUE(field_.recordedHotkey());
    EXPECT_EQ(field_.recordedHotkey()->displayString, "⇧⌘K");
    EXPECT_FALSE(field_.isRecording());
    EXPECT_EQ(field_.label().text(), QStringLiteral("⇧⌘K"));
    EXPECT_EQ(field_.label().font().pixelSize(), 16);
    EXPECT_TRUE(field_.label().font().bold());
    EXPECT_EQ(field_.label().palette().color(QPalette::WindowText), text);
    EXPECT_EQ(field_.borderColor(), alpha(accent, 0.6));
    EXPECT_EQ(field_.backgroundColor(), fieldBackground);
    saveRender("shortcut-field-recorded");

    field_.beginRecording();
    EXPECT_EQ(field_.label().font().pixelSize(), 16) << "the prompt keeps the bold font";
    EXPECT_TRUE(field_.label().font().bold());
    saveRender("shortcut-field-recording-again");
    field_.keyDown(KeyEvent{49, flag::control | flag::option, " "});
    ASSERT_EQ(recorded_.size(), 2u);
    EXPECT_EQ(recorded_[1].displayString, "⌃⌥Space");
    EXPECT_EQ(field_.recordedHotkey()->displayString, "⌃⌥Space");
}

TEST_F(ShortcutFieldTest, KeysThatCannotBeAShortcutKeepItRecording) {
    field_.beginRecording();
    const KeyEvent presses[] = {{40, 0, "k"},
                                {40, flag::capsLock, "K"},
                                {123, flag::control, std::nullopt},
                                {33, flag::option, ""}};
    for (const KeyEvent& press : presses) {
        EXPECT_TRUE(field_.keyDown(press)) << "consumed";
    }
    EXPECT_TRUE(field_.isRecording());
    EXPECT_EQ(field_.label().text(), QStringLiteral("Press shortcut keys…"));
    EXPECT_TRUE(recorded_.empty());
}

TEST_F(ShortcutFieldTest, EscapeWithAnyModifiersEndsRecordingWithoutAShortcut) {
    for (const std::uint64_t modifiers : {std::uint64_t{0}, flag::option, flag::command}) {
        field_.beginRecording();
        field_.keyDown(KeyEvent{53, modifiers, "\x1b"});
        EXPECT_FALSE(field_.isRecording());
        EXPECT_TRUE(field_.hasFocus());
        EXPECT_EQ(field_.label().text(), QStringLiteral("Click to record shortcut"));
    }
    field_.beginRecording();
    field_.keyDown(KeyEvent{0, flag::control, "a"});
    field_.beginRecording();
    field_.keyDown(KeyEvent{53, flag::option, "\x1b"});
    EXPECT_EQ(field_.label().text(), QStringLiteral("⌃A")) << "the previous shortcut again";
    EXPECT_EQ(recorded_.size(), 1u);
}

TEST_F(ShortcutFieldTest, AnotherViewTakingTheFocusEndsRecording) {
    field_.beginRecording();
    other_.setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(field_.isRecording());
    EXPECT_EQ(field_.label().text(), QStringLiteral("Click to record shortcut"));
    EXPECT_TRUE(recorded_.empty());
}

TEST_F(ShortcutFieldTest, KeysPassOnWhileNotRecording) {
    EXPECT_FALSE(field_.keyDown(KeyEvent{40, flag::command, "k"}));
    EXPECT_TRUE(recorded_.empty());
}

TEST_F(ShortcutFieldTest, TabIsAKeyLikeAnyOtherWhileRecording) {
    click();
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, 23, 0xff09, 0, "\t");
    QApplication::sendEvent(&field_, &tab);
    EXPECT_TRUE(field_.hasFocus()) << "Tab did not move the focus";
    EXPECT_TRUE(field_.isRecording());

    QKeyEvent shiftA(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, 38, 0x41, 0x1, "A");
    QApplication::sendEvent(&field_, &shiftA);
    ASSERT_EQ(recorded_.size(), 1u);
    EXPECT_EQ(recorded_[0].keyCode, 0u);
    EXPECT_EQ(recorded_[0].displayString, "⇧A");
}

}  // namespace

#include "ui/KeyEventTranslation.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <string>

#include "platform/fake/FakePlatform.h"

namespace {

using platform::FakeKeyboardLayout;
using platform::KeyEvent;
namespace flag = platform::modifierFlag;

// A press as the window system delivers it: the key's scan code and native state; Qt's own key
// and text are left out on purpose, since the translation must not read them.
KeyEvent translated(std::uint32_t scanCode, Qt::KeyboardModifiers modifiers,
                    std::uint32_t nativeState) {
    const QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, modifiers, scanCode, 0, nativeState);
    return keyEventFrom(event);
}

TEST(KeyEventTranslationTest, ReadsWhatKeysTypeThroughTheCurrentLayout) {
    platform::FakePlatform services;
    const struct {
        FakeKeyboardLayout::Layout layout;
        std::uint32_t scanCode;
        Qt::KeyboardModifiers modifiers;
        std::uint32_t state;
        KeyEvent expected;
    } cases[] = {
        {FakeKeyboardLayout::Layout::us, 38, Qt::NoModifier, 0, {0, 0, "a"}},
        {FakeKeyboardLayout::Layout::us,
         38,
         Qt::ShiftModifier,
         FakeKeyboardLayout::shiftState,
         {0, flag::shift, "A"}},
        // Ctrl, Alt and Super leave what the key types alone.
        {FakeKeyboardLayout::Layout::us,
         54,
         Qt::ControlModifier | Qt::AltModifier,
         0,
         {8, flag::control | flag::option, "c"}},
        {FakeKeyboardLayout::Layout::us, 54, Qt::MetaModifier, 0, {8, flag::command, "c"}},
        {FakeKeyboardLayout::Layout::us,
         38,
         Qt::NoModifier,
         FakeKeyboardLayout::capsLockState,
         {0, flag::capsLock, "A"}},
        {FakeKeyboardLayout::Layout::us,
         10,
         Qt::NoModifier,
         FakeKeyboardLayout::capsLockState,
         {18, flag::capsLock, "1"}},
        // The key beside T types z on a German keyboard and keeps the key code of its position.
        {FakeKeyboardLayout::Layout::us, 29, Qt::NoModifier, 0, {16, 0, "y"}},
        {FakeKeyboardLayout::Layout::german, 29, Qt::NoModifier, 0, {16, 0, "z"}},
        {FakeKeyboardLayout::Layout::german,
         47,
         Qt::ShiftModifier,
         FakeKeyboardLayout::shiftState,
         {41, flag::shift, "Ö"}},
        {FakeKeyboardLayout::Layout::german, 20, Qt::MetaModifier, 0, {27, flag::command, "ß"}},
        {FakeKeyboardLayout::Layout::us, 36, Qt::NoModifier, 0, {36, 0, "\r"}},
        {FakeKeyboardLayout::Layout::us, 114, Qt::NoModifier, 0, {124, 0, std::nullopt}},
        // The keypad types its digits only with Num Lock on.
        {FakeKeyboardLayout::Layout::us, 87, Qt::KeypadModifier, 0, {83, 0, std::nullopt}},
        {FakeKeyboardLayout::Layout::us,
         87,
         Qt::KeypadModifier,
         FakeKeyboardLayout::numLockState,
         {83, 0, "1"}},
        {FakeKeyboardLayout::Layout::us,
         107,
         Qt::NoModifier,
         0,
         {platform::keyCode::unknown, 0, std::nullopt}},
    };
    for (const auto& c : cases) {
        services.keyboardLayout.use(c.layout);
        EXPECT_EQ(translated(c.scanCode, c.modifiers, c.state), c.expected)
            << "scan code " << c.scanCode << " state " << c.state;
    }
}

}  // namespace

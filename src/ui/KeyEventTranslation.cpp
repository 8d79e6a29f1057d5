#include "ui/KeyEventTranslation.h"

#include <QKeyEvent>

#include "platform/Platform.h"

namespace {

std::uint64_t modifierFlagsOf(const QKeyEvent& event, const platform::KeyboardLayout& layout) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    std::uint64_t flags = 0;
    if (modifiers & Qt::ShiftModifier) {
        flags |= platform::modifierFlag::shift;
    }
    if (modifiers & Qt::ControlModifier) {
        flags |= platform::modifierFlag::control;
    }
    if (modifiers & Qt::AltModifier) {
        flags |= platform::modifierFlag::option;
    }
    if (modifiers & Qt::MetaModifier) {  // Super
        flags |= platform::modifierFlag::command;
    }
    if (layout.capsLockIsOn(event.nativeModifiers())) {
        flags |= platform::modifierFlag::capsLock;
    }
    return flags;
}

}  // namespace

platform::KeyEvent keyEventFrom(const QKeyEvent& event) {
    platform::KeyboardLayout& layout = platform::keyboardLayout();
    platform::KeyEvent result;
    result.keyCode = layout.keyCodeOf(event.nativeScanCode());
    result.modifierFlags = modifierFlagsOf(event, layout);
    result.charactersIgnoringModifiers =
        layout.charactersAtShiftLevel(event.nativeScanCode(), event.nativeModifiers());
    return result;
}

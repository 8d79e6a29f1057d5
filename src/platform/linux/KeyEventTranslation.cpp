#include "platform/linux/KeyEventTranslation.h"

#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QKeyEvent>
#include <memory>

#include "platform/linux/KeyCodeTable.h"

namespace platform {
namespace {

// X core event state bits.
constexpr quint32 xShiftMask = 1 << 0;
constexpr quint32 xLockMask = 1 << 1;
constexpr quint32 xNumLockMask = 1 << 4;  // Mod2, where every current keymap puts Num Lock
constexpr int xGroupShift = 13;
// Kinds of XKB event (xcb/xkb.h has them, but that header does not compile as C++).
constexpr std::uint8_t xkbNewKeyboardNotify = 0;
constexpr std::uint8_t xkbMapNotify = 1;

// The current keyboard layout as the X server describes it, for reading what a key types at a
// given shift level whatever other modifiers are held. It is read again after the layout or
// the key mapping changes (setxkbmap, a layout switch that loads another keymap).
class ShiftLevelKeyboard final : public QAbstractNativeEventFilter {
public:
    static ShiftLevelKeyboard* instance() {
        static const std::unique_ptr<ShiftLevelKeyboard> keyboard = make();
        return keyboard.get();
    }

    ~ShiftLevelKeyboard() override {
        if (qGuiApp != nullptr) {
            qGuiApp->removeNativeEventFilter(this);
        }
    }

    std::optional<std::string> characters(quint32 xKeyCode, quint32 xState) {
        if (stale_ || !state_) {
            load();
        }
        if (!state_) {
            return std::nullopt;
        }
        const xkb_mod_mask_t depressed = (xState & xShiftMask) != 0 ? shiftMask_ : 0;
        // Num Lock counts like Caps Lock: with it on, the keypad types its digits.
        const xkb_mod_mask_t locked = ((xState & xLockMask) != 0 ? lockMask_ : 0) |
                                      ((xState & xNumLockMask) != 0 ? numLockMask_ : 0);
        const auto group = static_cast<xkb_layout_index_t>((xState >> xGroupShift) & 3);
        xkb_state_update_mask(state_.get(), depressed, 0, locked, 0, 0, group);
        char buffer[64];
        const int length = xkb_state_key_get_utf8(state_.get(), xKeyCode, buffer, sizeof buffer);
        if (length <= 0 || static_cast<std::size_t>(length) >= sizeof buffer) {
            return std::nullopt;
        }
        return std::string(buffer, static_cast<std::size_t>(length));
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        const std::uint8_t type = event->response_type & 0x7f;
        if (type == XCB_MAPPING_NOTIFY) {
            stale_ = true;
        } else if (type == xkbFirstEvent_) {
            // Every XKB event carries its own kind in the second byte.
            const std::uint8_t xkbType = event->pad0;
            if (xkbType == xkbNewKeyboardNotify || xkbType == xkbMapNotify) {
                stale_ = true;
            }
        }
        return false;
    }

private:
    using Context = std::unique_ptr<xkb_context, decltype(&xkb_context_unref)>;
    using Keymap = std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)>;
    using State = std::unique_ptr<xkb_state, decltype(&xkb_state_unref)>;

    ShiftLevelKeyboard(xcb_connection_t* connection, std::uint8_t xkbFirstEvent, Context context)
        : connection_(connection), xkbFirstEvent_(xkbFirstEvent), context_(std::move(context)) {}

    static std::unique_ptr<ShiftLevelKeyboard> make() {
        auto* x11 = qGuiApp != nullptr
                        ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                        : nullptr;
        if (x11 == nullptr || x11->connection() == nullptr) {
            return nullptr;
        }
        xcb_connection_t* connection = x11->connection();
        std::uint8_t firstEvent = 0;
        if (xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION,
                                        XKB_X11_MIN_MINOR_XKB_VERSION,
                                        XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr,
                                        &firstEvent, nullptr) == 0) {
            return nullptr;
        }
        Context context(xkb_context_new(XKB_CONTEXT_NO_FLAGS), &xkb_context_unref);
        if (!context) {
            return nullptr;
        }
        std::unique_ptr<ShiftLevelKeyboard> keyboard(
            new ShiftLevelKeyboard(connection, firstEvent, std::move(context)));
        qGuiApp->installNativeEventFilter(keyboard.get());
        keyboard->load();
        return keyboard;
    }

    void load() {
        stale_ = false;
        state_.reset();
        const int32_t device = xkb_x11_get_core_keyboard_device_id(connection_);
        if (device < 0) {
            return;
        }
        keymap_.reset(xkb_x11_keymap_new_from_device(context_.get(), connection_, device,
                                                     XKB_KEYMAP_COMPILE_NO_FLAGS));
        if (!keymap_) {
            return;
        }
        state_.reset(xkb_state_new(keymap_.get()));
        shiftMask_ = maskOf(XKB_MOD_NAME_SHIFT);
        lockMask_ = maskOf(XKB_MOD_NAME_CAPS);
        numLockMask_ = maskOf(XKB_MOD_NAME_NUM);
    }

    xkb_mod_mask_t maskOf(const char* name) const {
        const xkb_mod_index_t index = xkb_keymap_mod_get_index(keymap_.get(), name);
        return index == XKB_MOD_INVALID ? 0 : xkb_mod_mask_t{1} << index;
    }

    xcb_connection_t* connection_;
    std::uint8_t xkbFirstEvent_;
    Context context_;
    Keymap keymap_{nullptr, &xkb_keymap_unref};
    State state_{nullptr, &xkb_state_unref};
    xkb_mod_mask_t shiftMask_ = 0;
    xkb_mod_mask_t lockMask_ = 0;
    xkb_mod_mask_t numLockMask_ = 0;
    bool stale_ = false;
};

std::uint64_t modifierFlagsOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    std::uint64_t flags = 0;
    if (modifiers & Qt::ShiftModifier) {
        flags |= modifierFlag::shift;
    }
    if (modifiers & Qt::ControlModifier) {
        flags |= modifierFlag::control;
    }
    if (modifiers & Qt::AltModifier) {
        flags |= modifierFlag::option;
    }
    if (modifiers & Qt::MetaModifier) {  // Super on X11
        flags |= modifierFlag::command;
    }
    if ((event.nativeModifiers() & xLockMask) != 0) {
        flags |= modifierFlag::capsLock;
    }
    return flags;
}

// Without an X keyboard to ask (the offscreen platform), the event's own text is the best
// answer when the only modifier is Shift.
std::optional<std::string> textOf(const QKeyEvent& event) {
    const QList<uint> scalars = event.text().toUcs4();
    if (scalars.isEmpty()) {
        return std::nullopt;
    }
    const QChar::Category category = QChar::category(static_cast<char32_t>(scalars.front()));
    if (category == QChar::Other_Control || category == QChar::Other_Format) {
        return std::nullopt;
    }
    return event.text().toStdString();
}

}  // namespace

KeyEvent keyEventFrom(const QKeyEvent& event) {
    KeyEvent result;
    result.keyCode = keyCodeOfXKey(event.nativeScanCode()).value_or(keyCode::unknown);
    result.modifierFlags = modifierFlagsOf(event);
    if (ShiftLevelKeyboard* keyboard = ShiftLevelKeyboard::instance()) {
        result.charactersIgnoringModifiers =
            keyboard->characters(event.nativeScanCode(), event.nativeModifiers());
    } else {
        result.charactersIgnoringModifiers = textOf(event);
    }
    return result;
}

}  // namespace platform

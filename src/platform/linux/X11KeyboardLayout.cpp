#include "platform/linux/X11KeyboardLayout.h"

#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <memory>

#include "platform/KeyCodeTable.h"
#include "platform/KeyEvent.h"

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

}  // namespace

// The current keymap as the X server describes it, for reading what a key types at a given
// shift level whatever other modifiers are held.
class X11KeyboardLayout::Keymap final : public QAbstractNativeEventFilter {
public:
    /// The keymap of Qt's X connection; none without one, or when the server lacks XKB.
    static std::unique_ptr<Keymap> make() {
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
        std::unique_ptr<Keymap> keyboard(new Keymap(connection, firstEvent, std::move(context)));
        qGuiApp->installNativeEventFilter(keyboard.get());
        keyboard->load();
        return keyboard;
    }

    ~Keymap() override {
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
    using KeymapHandle = std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)>;
    using State = std::unique_ptr<xkb_state, decltype(&xkb_state_unref)>;

    Keymap(xcb_connection_t* connection, std::uint8_t xkbFirstEvent, Context context)
        : connection_(connection), xkbFirstEvent_(xkbFirstEvent), context_(std::move(context)) {}

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
    KeymapHandle keymap_{nullptr, &xkb_keymap_unref};
    State state_{nullptr, &xkb_state_unref};
    xkb_mod_mask_t shiftMask_ = 0;
    xkb_mod_mask_t lockMask_ = 0;
    xkb_mod_mask_t numLockMask_ = 0;
    bool stale_ = false;
};

X11KeyboardLayout::X11KeyboardLayout() = default;

X11KeyboardLayout::~X11KeyboardLayout() = default;

std::uint16_t X11KeyboardLayout::keyCodeOf(std::uint32_t scanCode) const {
    return keyCodeOfXKey(scanCode).value_or(keyCode::unknown);
}

std::optional<std::string> X11KeyboardLayout::charactersAtShiftLevel(
    std::uint32_t scanCode, std::uint32_t nativeModifiers) {
    // Qt's connection exists only once the application object does, which the layout may
    // outlive in its making.
    if (!triedKeymap_) {
        triedKeymap_ = true;
        keymap_ = Keymap::make();
    }
    return keymap_ ? keymap_->characters(scanCode, nativeModifiers) : std::nullopt;
}

bool X11KeyboardLayout::capsLockIsOn(std::uint32_t nativeModifiers) const {
    return (nativeModifiers & xLockMask) != 0;
}

}  // namespace platform

// x11_key_events: a window that prints every key press it receives as the portable code sees
// it, one line each: "code=<key code> flags=<hex> chars=<UTF-8 bytes in hex, or none>".
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <cstdio>

#include "platform/linux/LinuxPlatform.h"
#include "ui/KeyEventTranslation.h"

namespace {

class KeyEventsWindow final : public QWidget {
protected:
    void keyPressEvent(QKeyEvent* event) override {
        const platform::KeyEvent key = keyEventFrom(*event);
        std::printf("code=%u flags=%#llx chars=", key.keyCode,
                    static_cast<unsigned long long>(key.modifierFlags));
        if (!key.charactersIgnoringModifiers) {
            std::printf("none");
        }
        for (const char byte : key.charactersIgnoringModifiers.value_or("")) {
            std::printf("%02x", static_cast<unsigned char>(byte));
        }
        std::printf("\n");
        std::fflush(stdout);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const platform::LinuxPlatform platform;
    KeyEventsWindow window;
    window.setWindowTitle(QStringLiteral("Zembril key events"));
    window.resize(300, 200);
    window.show();
    return QApplication::exec();
}

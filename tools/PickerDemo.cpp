// zembril-picker: opens the picker alone on the current display, with the real catalogue and
// your own preferences, and prints every pick instead of pasting it. Ends when the picker
// closes without a pick (Escape, or a click elsewhere).
#include <QApplication>
#include <QEvent>
#include <cstdio>

#include "picker/PickerPanel.h"
#include "platform/linux/LinuxPlatform.h"

namespace {

// Ends the program when the picker hides, unless it hid because of a pick.
class QuitWhenHidden final : public QObject {
public:
    bool picked = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            if (picked) {
                picked = false;
            } else {
                QApplication::quit();
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    platform::LinuxPlatform platform;
    PickerPanel panel;
    QuitWhenHidden quitWhenHidden;
    panel.installEventFilter(&quitWhenHidden);

    const auto deliver = [&](const char* how) {
        return [&, how](const std::string& text) {
            std::printf("%s: %s\n", how, text.c_str());
            std::fflush(stdout);
            // As the application does: hide the picker on a pick. Here it comes straight back.
            quitWhenHidden.picked = true;
            panel.dismiss();
            panel.present();
        };
    };
    panel.controller().onPaste = deliver("paste");
    panel.controller().onCopy = deliver("copy");
    panel.present();
    return QApplication::exec();
}

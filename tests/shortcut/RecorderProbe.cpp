// Shows the shortcut recorder panel the way the program does and prints what it reports, then
// exits: "recorded <key code> <modifiers in hex> <display string>" or "cancelled".
#include <QApplication>
#include <cstdio>

#include "platform/linux/LinuxPlatform.h"
#include "shortcut/HotkeyRecorderPanel.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const platform::LinuxPlatform services;
    HotkeyRecorderPanel panel;
    panel.completion = [](std::optional<Hotkey> hotkey) {
        if (hotkey) {
            std::printf("recorded %u %#x %s\n", hotkey->keyCode, hotkey->carbonModifiers,
                        hotkey->displayString.c_str());
        } else {
            std::printf("cancelled\n");
        }
        std::fflush(stdout);
        QCoreApplication::quit();
    };
    panel.centerOnActiveScreen();
    panel.showAndActivate();
    return QApplication::exec();
}

// zembril-render-picker: renders the picker offscreen in each of its states, light and dark, to
// PNG files for a person to look at (recents, a search, no results, the skin-tone chooser). It
// checks nothing; the widget tests do.
//
//   QT_QPA_PLATFORM=offscreen zembril-render-picker OUT_DIR
#include <QApplication>
#include <QDir>
#include <QPalette>
#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/EmojiDataStore.h"
#include "picker/PickerPanel.h"
#include "platform/fake/FakePlatform.h"
#include "prefs/PreferenceKeys.h"

namespace {

QPalette paletteOf(QColor window, QColor text, QColor accent) {
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, window);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Highlight, accent);
    return palette;
}

void type(PickerPanel& panel, const std::string& text) {
    for (const char c : text) {
        panel.controller().keyDown(platform::KeyEvent{0, 0, std::string(1, c)});
    }
}

bool save(PickerPanel& panel, const QDir& folder, const QString& name) {
    QApplication::processEvents();
    const QString path = folder.filePath(name + ".png");
    if (!panel.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }
    platform::FakePlatform services;
    services.defaults.setStringArray(prefs::keys::recentEmoji,
                                     {"😀", "🐱", "👋", "❤️", "🎉", "👍", "🇫🇷"});
    const std::vector<EmojiEntry> catalogue = EmojiDataStore::load(ZEMBRIL_CATALOGUE_PATH);
    PickerPanel panel{[&catalogue]() -> const std::vector<EmojiEntry>& { return catalogue; }};

    const struct {
        const char* name;
        QPalette palette;
    } looks[] = {
        {"light", paletteOf(QColor(246, 246, 246), QColor(28, 28, 30), QColor(0, 100, 225))},
        {"dark", paletteOf(QColor(40, 40, 42), QColor(235, 235, 235), QColor(10, 132, 255))},
    };
    bool saved = true;
    for (const auto& look : looks) {
        panel.setPalette(look.palette);
        const QString suffix = QStringLiteral("-") + QString::fromLatin1(look.name);
        panel.present();
        saved = save(panel, folder, "picker-recents" + suffix) && saved;
        type(panel, "cat");
        saved = save(panel, folder, "picker-cat" + suffix) && saved;
        type(panel, "qqq");
        saved = save(panel, folder, "picker-no-results" + suffix) && saved;
        panel.present();
        type(panel, "wave");
        panel.controller().keyDown(
            platform::KeyEvent{platform::keyCode::returnKey, 0, std::nullopt});
        saved = save(panel, folder, "picker-chooser" + suffix) && saved;
        panel.dismiss();
    }
    return saved ? 0 : 1;
}

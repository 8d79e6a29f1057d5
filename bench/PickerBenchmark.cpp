// The picker on the main thread: one typed character (rebuild, relayout, painting what is in
// view), and a presentation up to its first painted frame. Painting is on Qt's offscreen
// platform, so the figures leave out the display server.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <string>

#include "catalogue/EmojiDataStore.h"
#include "picker/PickerPanel.h"
#include "platform/fake/FakePlatform.h"
#include "prefs/PreferenceKeys.h"

namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "zembril_benchmarks";
    static char* argv[] = {name, nullptr};
    static const auto application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QApplication>(argc, argv);
    }();
}

const std::vector<EmojiEntry>& catalogue() {
    static const std::vector<EmojiEntry> entries = EmojiDataStore::load(ZEMBRIL_CATALOGUE_PATH);
    return entries;
}

// A picker in daily use: recents stored, the catalogue loaded, the panel made.
struct PickerInUse {
    PickerInUse() {
        fake.defaults.setStringArray(prefs::keys::recentEmoji,
                                     {"😀", "❤️", "👍", "😂", "🎉", "🙏", "🔥", "😊", "🥲", "👋", "✨",
                                      "🐱", "🇫🇷", "☕", "🍕", "🚀", "💡", "✅"});
        fake.defaults.setInteger(prefs::keys::skinTone, 3);
    }
    platform::FakePlatform fake;
    PickerPanel panel{catalogue};
};

void press(PickerPanel& panel, std::uint16_t keyCode, std::optional<std::string> characters) {
    panel.controller().keyDown(platform::KeyEvent{keyCode, 0, std::move(characters)});
    panel.repaint();
}

void BM_PickerKeystroke(benchmark::State& state) {
    ensureApplication();
    PickerInUse picker;
    picker.panel.present();
    picker.panel.repaint();
    // One keystroke an iteration, round the sequence "c", "ca", "cat", "ca", "c", "".
    int step = 0;
    for (auto _ : state) {
        if (step < 3) {
            press(picker.panel, 0, std::string(1, "cat"[step]));
        } else {
            press(picker.panel, platform::keyCode::deleteKey, std::nullopt);
        }
        step = (step + 1) % 6;
    }
}
BENCHMARK(BM_PickerKeystroke)->Unit(benchmark::kMillisecond);

void BM_PickerPresent(benchmark::State& state) {
    ensureApplication();
    PickerInUse picker;
    picker.panel.present();
    picker.panel.repaint();
    for (auto _ : state) {
        picker.panel.dismiss();
        picker.panel.present();
        picker.panel.repaint();
    }
}
BENCHMARK(BM_PickerPresent)->Unit(benchmark::kMillisecond);

// The very first presentation of a process also reads and decodes the catalogue.
void BM_PickerFirstPresent(benchmark::State& state) {
    ensureApplication();
    for (auto _ : state) {
        state.PauseTiming();
        auto fake = std::make_unique<platform::FakePlatform>();
        std::vector<EmojiEntry> loaded;
        bool isLoaded = false;
        auto panel = std::make_unique<PickerPanel>([&]() -> const std::vector<EmojiEntry>& {
            if (!isLoaded) {
                loaded = EmojiDataStore::load(ZEMBRIL_CATALOGUE_PATH);
                isLoaded = true;
            }
            return loaded;
        });
        state.ResumeTiming();
        panel->present();
        panel->repaint();
        state.PauseTiming();
        panel.reset();
        fake.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PickerFirstPresent)->Unit(benchmark::kMillisecond);

}  // namespace

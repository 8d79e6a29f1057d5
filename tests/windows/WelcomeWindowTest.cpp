#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QWindow>
#include <functional>
#include <optional>
#include <vector>

#include "WindowsTestSupport.h"
#include "platform/fake/FakePlatform.h"
#include "windows/ShortcutField.h"
#include "windows/WelcomeWindow.h"

namespace {

using namespace windows_test;
namespace flag = platform::modifierFlag;
using platform::KeyEvent;

const KeyEvent commandShiftK{40, flag::command | flag::shift, "K"};

class WelcomeWindowTest : public testing::Test {
protected:
    WelcomeWindowTest() {
        platform.resources.folder = ZEMBRIL_SOURCE_DIR "/resources";
        QApplication::setWindowIcon(QIcon(ZEMBRIL_SOURCE_DIR "/resources/icons/face.smiling.svg"));
    }
    ~WelcomeWindowTest() override { QApplication::setWindowIcon(QIcon()); }

    static QString plainText(const QLabel& label) {
        return label.textFormat() == Qt::RichText
                   ? QTextDocumentFragment::fromHtml(label.text()).toPlainText()
                   : label.text();
    }

    static QLabel* label(const WelcomeWindow& window, const char* name) {
        return window.findChild<QLabel*>(name);
    }

    platform::FakePlatform platform;
};

TEST_F(WelcomeWindowTest, GreetsAndOpensRecording) {
    WelcomeWindow window;
    window.setPalette(light.palette());
    EXPECT_FALSE(window.isVisible()) << "built, not shown";
    window.present([](std::optional<Hotkey>) {});
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.size(), QSize(420, 560));
    EXPECT_EQ(window.windowFlags() & Qt::WindowMinMaxButtonsHint, Qt::WindowFlags());

    const struct {
        const char* name;
        Frame frame;
    } frames[] = {
        {"applicationIcon", {162, 424, 96, 96}}, {"title", {20, 384, 380, 28}},
        {"shortcutField", {80, 268, 260, 44}},   {"skipButton", {150, 234, 120, 20}},
        {"preview", {24, 24, 372, 180}},         {"caption", {16, 16, 340, 20}},
        {"windowBackground", {0, 0, 420, 560}},
    };
    for (const auto& [name, frame] : frames) {
        EXPECT_EQ(frameOfChild(window, name), frame) << name;
    }
    expectWrappedAt(*label(window, "subtitle"), Frame{40, 340, 340, 36});
    expectWrappedAt(*label(window, "emojiLine"), Frame{16, 56, 340, 90});
    EXPECT_EQ(label(window, "emojiLine")->parentWidget()->objectName(), "preview");
    EXPECT_EQ(label(window, "caption")->parentWidget()->objectName(), "preview");

    const QColor secondary = alpha(light.text, 0.6);
    const struct {
        const char* name;
        QString text;
        int pixelSize;
        bool bold;
        std::optional<QColor> color;
    } texts[] = {
        {"title", "Welcome to Zembril", 20, true, std::nullopt},
        {"subtitle", "Choose a global shortcut to open Zembril from anywhere on your Mac.", 13,
         false, secondary},
        {"emojiLine",
         QString::fromUtf8("\U0001F600 \U0001F602 \u2764\uFE0F \U0001F389 \U0001F525 \U0001F680 "
                           "\U0001F44D \U0001F355 \U0001F3A8 \U0001F308 \U0001F436 \u2B50\uFE0F"),
         30, false, std::nullopt},
        {"caption", "Search hundreds of emoji instantly", 11, false, secondary},
    };
    for (const auto& [name, text, pixelSize, bold, color] : texts) {
        SCOPED_TRACE(name);
        const QLabel* shown = label(window, name);
        EXPECT_EQ(plainText(*shown), text);
        EXPECT_EQ(shown->font().pixelSize(), pixelSize);
        EXPECT_EQ(shown->font().bold(), bold);
        EXPECT_EQ(shown->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        if (color) {
            EXPECT_EQ(shown->palette().color(QPalette::WindowText), *color);
        }
    }
    EXPECT_EQ(label(window, "emojiLine")->text().count("font-family: 'Noto Color Emoji'"), 12)
        << "every emoji in colour";

    EXPECT_EQ(window.skipButton().text(), "Skip for now");
    EXPECT_EQ(window.skipButton().font().pixelSize(), 12);
    EXPECT_TRUE(window.skipButton().isFlat());
    EXPECT_EQ(window.skipButton().palette().color(QPalette::ButtonText), secondary);

    EXPECT_TRUE(window.shortcutField().isRecording()) << "the user can type a shortcut at once";
    EXPECT_EQ(window.shortcutField().label().text(), "Press shortcut keys…");
    EXPECT_FALSE(label(window, "applicationIcon")->pixmap().isNull());
    saveRender(window, "welcome-window-recording");

    window.setPalette(dark.palette());
    EXPECT_EQ(label(window, "subtitle")->palette().color(QPalette::WindowText),
              alpha(dark.text, 0.6))
        << "secondary texts follow the colour scheme";
    saveRender(window, "welcome-window-recording-dark");
}

// How a test ends the window, as a user would.
struct Ending {
    const char* how;
    std::function<void(WelcomeWindow&)> end;
    std::optional<std::string> shortcut;
};

const Ending endings[] = {
    {"a recorded shortcut", [](WelcomeWindow& w) { w.shortcutField().keyDown(commandShiftK); },
     "⇧⌘K"},
    {"Skip for now", [](WelcomeWindow& w) { w.skipButton().click(); }, std::nullopt},
    {"close()", [](WelcomeWindow& w) { w.close(); }, std::nullopt},
    {"the title-bar button", [](WelcomeWindow& w) { w.windowHandle()->close(); }, std::nullopt},
};

TEST_F(WelcomeWindowTest, CompletesExactlyOnceHoweverItEnds) {
    for (const auto& [how, end, shortcut] : endings) {
        SCOPED_TRACE(how);
        // Owned as the application owns it: dropped with deleteLater from the completion.
        auto* window = new WelcomeWindow;
        QPointer<WelcomeWindow> alive(window);
        std::vector<std::optional<Hotkey>> reports;
        window->present([&](std::optional<Hotkey> hotkey) {
            reports.push_back(hotkey);
            window->deleteLater();
        });

        end(*window);
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].has_value(), shortcut.has_value());
        if (shortcut && reports[0]) {
            EXPECT_EQ(reports[0]->displayString, *shortcut);
            EXPECT_EQ(reports[0]->keyCode, 40u);
            EXPECT_EQ(reports[0]->carbonModifiers,
                      Hotkey::carbonModifiersFrom(commandShiftK.modifierFlags));
        }
        EXPECT_FALSE(window->isVisible());

        for (const auto& [otherHow, otherEnd, ignored] : endings) {
            otherEnd(*window);
        }
        EXPECT_EQ(reports.size(), 1u) << "nothing reports after the first end";

        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(alive.isNull());
    }
}

TEST_F(WelcomeWindowTest, KeysThatRecordNothingLeaveItOpen) {
    WelcomeWindow window;
    int reports = 0;
    window.present([&](std::optional<Hotkey>) { ++reports; });

    window.shortcutField().keyDown(KeyEvent{40, 0, "k"});
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.shortcutField().isRecording()) << "a key without modifiers is ignored";

    window.shortcutField().keyDown(KeyEvent{53, 0, "\x1b"});
    EXPECT_TRUE(window.isVisible()) << "Escape only stops recording";
    EXPECT_FALSE(window.shortcutField().isRecording());
    EXPECT_EQ(reports, 0);

    window.shortcutField().beginRecording();
    window.shortcutField().keyDown(commandShiftK);
    EXPECT_EQ(reports, 1) << "recording again still completes";
}

TEST_F(WelcomeWindowTest, PresentingAgainReplacesTheCompletion) {
    WelcomeWindow window;
    int first = 0;
    int second = 0;
    window.present([&](std::optional<Hotkey>) { ++first; });
    window.present([&](std::optional<Hotkey>) { ++second; });
    window.skipButton().click();
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
}

TEST_F(WelcomeWindowTest, OnceCompletedItNeverReportsAgain) {
    WelcomeWindow window;
    int first = 0;
    int later = 0;
    window.present([&](std::optional<Hotkey>) { ++first; });
    window.skipButton().click();

    window.present([&](std::optional<Hotkey>) { ++later; });
    for (const auto& [how, end, shortcut] : endings) {
        end(window);
    }
    EXPECT_EQ(first, 1);
    EXPECT_EQ(later, 0);
}

}  // namespace

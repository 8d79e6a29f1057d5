#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <string>

#include "paste/PastePermissionPrompt.h"
#include "paste/PermissionWindow.h"
#include "platform/fake/FakePlatform.h"
#include "prefs/StoredPreferences.h"
#include "support/PastePermissionStates.h"
#include "ui/Frame.h"
#include "ui/PastePermissionStatusView.h"
#include "ui/StatusColors.h"

namespace {

using namespace std::chrono_literals;
using PastePermission::State;

class PermissionWindowTest : public testing::Test {
protected:
    PermissionWindowTest() { platform.resources.folder = ZEMBRIL_SOURCE_DIR "/resources"; }

    static QLabel* label(const PermissionWindow& window, const char* name) {
        return window.findChild<QLabel*>(name);
    }

    static Frame frame(const PermissionWindow& window, const char* name) {
        const auto* child = window.findChild<QWidget*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child != nullptr ? frameOf(*child) : Frame{};
    }

    platform::FakePlatform platform;
};

const char* nameOf(State state) {
    switch (state) {
        case State::granted:
            return "granted";
        case State::needsAccessibility:
            return "needsAccessibility";
        case State::needsRestart:
            return "needsRestart";
    }
    return "";
}

TEST_F(PermissionWindowTest, LaysOutBothModesInEveryState) {
    const struct {
        State state;
        const char* button;
        const char* hint;
        bool skipShown;
        const char* status;
    } states[] = {
        {State::granted, "Done", "You’re all set.", false, "Zembril can paste"},
        {State::needsAccessibility, "Allow Pasting…", "macOS will ask you to confirm.", true,
         "Not allowed yet"},
        {State::needsRestart, "Restart Zembril",
         "macOS applies the change the next time Zembril starts.", true,
         "Almost there: restart Zembril to finish"},
    };
    for (const bool onboarding : {false, true}) {
        for (const auto& [state, button, hint, skipShown, status] : states) {
            SCOPED_TRACE(testing::Message()
                         << "onboarding " << onboarding << ", " << nameOf(state));
            setPastePermission(platform, state);
            PermissionWindow window(onboarding);
            window.show();
            const int height = onboarding ? 422 : 402;
            EXPECT_EQ(window.size(), QSize(420, height));

            EXPECT_EQ(frame(window, "applicationIcon"), (Frame{178, height - 104, 64, 64}));
            EXPECT_EQ(label(window, "stepLine") != nullptr, onboarding);
            if (onboarding) {
                EXPECT_EQ(frame(window, "stepLine"), (Frame{20, 290, 380, 16}));
                EXPECT_EQ(label(window, "stepLine")->text(), "Step 2 of 2");
            }
            EXPECT_EQ(frame(window, "title"), (Frame{20, 260, 380, 26}));
            EXPECT_EQ(label(window, "title")->text(), "Allow Zembril to paste");
            EXPECT_EQ(frame(window, "body"), (Frame{40, 200, 340, 52}));
            EXPECT_EQ(label(window, "body")->text(),
                      "Zembril pastes by sending ⌘V to the app you were using. macOS needs your "
                      "OK for that. Zembril doesn’t read or record anything you type.");
            EXPECT_EQ(frame(window, "hint"), (Frame{40, 144, 340, 48}));
            EXPECT_EQ(frame(window, "status"), (Frame{40, 104, 340, 24}));
            EXPECT_EQ(frame(window, "primaryButton"), (Frame{90, 52, 240, 32}));
            EXPECT_EQ(frame(window, "skipButton"), (Frame{150, 24, 120, 20}));

            EXPECT_EQ(window.state(), state);
            EXPECT_EQ(window.primaryButton()->text(), button);
            EXPECT_EQ(window.hintLabel()->text(), hint);
            EXPECT_EQ(window.skipButton()->isVisible(), skipShown);
            EXPECT_EQ(window.skipButton()->text(), "Skip for now");
            EXPECT_EQ(window.statusView()->label()->text(), status);

            const auto file = std::string("permission-window-") +
                              (onboarding ? "onboarding-" : "normal-") + nameOf(state) + ".png";
            EXPECT_TRUE(window.grab().save(QString::fromStdString(file)));
        }
    }
}

TEST_F(PermissionWindowTest, FirstPressAsksAndRetitlesSecondOpensTheHelpPage) {
    setPastePermission(platform, State::needsAccessibility);
    PermissionWindow window(false);
    window.primaryButton()->click();
    EXPECT_TRUE(prefs::pastePermissionRequested());
    EXPECT_EQ(platform.calls.back(), "request post events");
    EXPECT_EQ(window.primaryButton()->text(), "Open Privacy && Security");
    EXPECT_EQ(window.hintLabel()->text(),
              "Turn on Zembril under Privacy & Security → Accessibility. Not listed? Click + and "
              "add Zembril from Applications.");

    window.primaryButton()->click();
    EXPECT_EQ(platform.calls.back(),
              "open file://" ZEMBRIL_SOURCE_DIR "/resources/help/allow-pasting.html");

    PermissionWindow later(false);
    EXPECT_EQ(later.primaryButton()->text(), "Open Privacy && Security")
        << "a window of a later run starts where the request left off";
}

TEST_F(PermissionWindowTest, ReturnPressesThePrimaryButton) {
    setPastePermission(platform, State::granted);
    PermissionWindow window(false);
    int closes = 0;
    window.onClose = [&] { ++closes; };
    window.show();
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(closes, 1);
}

TEST_F(PermissionWindowTest, EveryWayOfClosingStopsWatchingAndReportsOnce) {
    const struct {
        const char* how;
        State state;
        std::function<void(PermissionWindow&)> close;
    } ways[] = {
        {"Done", State::granted, [](PermissionWindow& w) { w.primaryButton()->click(); }},
        {"Skip for now", State::needsAccessibility,
         [](PermissionWindow& w) { w.skipButton()->click(); }},
        {"the close button", State::needsRestart, [](PermissionWindow& w) { w.close(); }},
    };
    for (const auto& [how, state, close] : ways) {
        SCOPED_TRACE(how);
        setPastePermission(platform, state);
        PermissionWindow window(true);
        int closes = 0;
        window.onClose = [&] { ++closes; };
        window.present();
        window.present();
        EXPECT_EQ(platform.queue.activeTimerCount(), 1u) << "presenting twice keeps one monitor";
        close(window);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(platform.queue.activeTimerCount(), 0u);
        window.close();
        EXPECT_EQ(closes, 1);
    }
}

TEST_F(PermissionWindowTest, FollowsTheStateWhileOpen) {
    setPastePermission(platform, State::needsAccessibility);
    PermissionWindow window(false);
    window.present();
    setPastePermission(platform, State::needsRestart);
    platform.queue.advance(1s);
    EXPECT_EQ(window.primaryButton()->text(), "Restart Zembril");
    setPastePermission(platform, State::granted);
    platform.queue.advance(1s);
    EXPECT_EQ(window.primaryButton()->text(), "Done");
    EXPECT_FALSE(window.skipButton()->isVisible());
    EXPECT_TRUE(window.isVisible());
    setPastePermission(platform, State::needsAccessibility);
    platform.queue.advance(1s);
    EXPECT_EQ(window.primaryButton()->text(), "Allow Pasting…");
    EXPECT_TRUE(window.skipButton()->isVisible());
}

TEST_F(PermissionWindowTest, ComesToTheFrontOnlyWhenAccessBecomesGranted) {
    setPastePermission(platform, State::needsAccessibility);
    PermissionWindow window(false);
    window.present();
    QWidget settings;
    const auto putSettingsInFront = [&] {
        settings.show();
        settings.activateWindow();
        QApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), &settings);
    };
    const auto reportAfter = [&](State state) {
        setPastePermission(platform, state);
        platform.queue.advance(1s);
        QApplication::processEvents();
    };

    putSettingsInFront();
    reportAfter(State::needsRestart);
    EXPECT_EQ(QApplication::activeWindow(), &settings) << "other states stay behind";
    reportAfter(State::granted);
    EXPECT_EQ(QApplication::activeWindow(), &window);

    putSettingsInFront();
    reportAfter(State::needsAccessibility);
    EXPECT_EQ(QApplication::activeWindow(), &settings);
}

TEST_F(PermissionWindowTest, RestartButtonCallsOnRestartAndStaysOpen) {
    setPastePermission(platform, State::needsRestart);
    PermissionWindow window(true);
    window.present();
    window.primaryButton()->click();
    EXPECT_TRUE(window.isVisible()) << "without onRestart nothing happens";
    int restarts = 0;
    window.onRestart = [&] { ++restarts; };
    window.primaryButton()->click();
    EXPECT_EQ(restarts, 1);
    EXPECT_TRUE(window.isVisible());
}

// The status row as both permission windows fill it.
void showPrompt(PastePermissionStatusView& row, State state) {
    const PastePermissionPrompt prompt = PastePermissionPrompt::forState(state);
    row.display(prompt.statusSymbol, prompt.statusTone, QString::fromStdString(prompt.statusText));
}

TEST_F(PermissionWindowTest, StatusRowCentresSymbolAndTextTogether) {
    for (const State state : {State::granted, State::needsAccessibility, State::needsRestart}) {
        SCOPED_TRACE(nameOf(state));
        setPastePermission(platform, state);
        PastePermissionStatusView row;
        row.resize(340, 24);
        row.show();
        showPrompt(row, state);
        const int textWidth = row.label()->width();
        const Frame icon = frameOf(*row.iconView());
        EXPECT_EQ(icon, (Frame{(340 - (textWidth + 24)) / 2, 3, 18, 18}));
        EXPECT_EQ(frameOf(*row.label()).x, icon.x + 24);
        EXPECT_NEAR(row.label()->geometry().center().y(), 12, 1);

        row.resize(100, 24);
        EXPECT_EQ(frameOf(*row.iconView()).x, 0) << "a text wider than the row starts at 0";
    }
}

TEST_F(PermissionWindowTest, StatusSymbolsAreTintedByState) {
    const struct {
        State state;
        QColor tint;
    } cases[] = {{State::granted, statusGreen}, {State::needsRestart, statusOrange}};
    for (const auto& [state, tint] : cases) {
        SCOPED_TRACE(nameOf(state));
        PastePermissionStatusView row;
        row.resize(340, 24);
        showPrompt(row, state);
        const QImage symbol = row.iconView()->pixmap().toImage();
        ASSERT_FALSE(symbol.isNull()) << "the symbol ships in resources/icons";
        // Just inside the left edge of the filled circle.
        const QColor pixel = symbol.pixelColor(symbol.width() / 6, symbol.height() / 2);
        EXPECT_EQ(pixel.rgb(), tint.rgb());
    }
}

}  // namespace

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTextDocument>
#include <algorithm>
#include <string>

#include "app/AppDelegate.h"
#include "menubar/NoticePanel.h"
#include "menubar/StatusItemController.h"
#include "paste/PermissionWindow.h"
#include "picker/PickerPanel.h"
#include "platform/KeyEvent.h"
#include "platform/fake/FakePlatform.h"
#include "prefs/StoredPreferences.h"
#include "shortcut/HotkeyMonitor.h"
#include "shortcut/HotkeyRecorderPanel.h"
#include "shortcut/HotkeySettings.h"
#include "support/PastePermissionStates.h"
#include "windows/SettingsWindow.h"
#include "windows/ShortcutField.h"
#include "windows/WelcomeWindow.h"

namespace {

using namespace std::chrono_literals;
using platform::TargetWindow;
using testing::ElementsAre;

const Hotkey controlOptionSpace{49, 0x1800, "⌃⌥Space"};
const Hotkey commandE{14, 0x100, "⌘E"};
const TargetWindow editor{42, 4242, "gedit", "gedit"};
const TargetWindow terminal{77, 7777, "XTerm", "xterm"};

// What a notice line reads, without the markup that sets emoji in the colour font.
std::string shownText(const QLabel& label) {
    QTextDocument document;
    document.setHtml(label.text());
    return document.toPlainText().toStdString();
}

platform::KeyEvent controlOptionSpaceKey() {
    return {platform::keyCode::space,
            platform::modifierFlag::control | platform::modifierFlag::option, " "};
}

class AppDelegateTest : public testing::Test {
protected:
    AppDelegateTest() {
        platform.resources.folder = ZEMBRIL_SOURCE_DIR "/resources";
        setPasting(true);
    }

    ~AppDelegateTest() override {
        delegate.reset();
        // Windows that reported their end are deleted later; let that happen while the fakes
        // they may still reach are installed.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void setPasting(bool allowed) {
        setPastePermission(platform, allowed ? PastePermission::State::granted
                                             : PastePermission::State::needsAccessibility);
    }

    void clearPreferences() {
        std::vector<std::string> keys;
        for (const auto& [key, value] : platform.defaults.values()) {
            keys.push_back(key);
        }
        for (const std::string& key : keys) {
            platform.defaults.removeObject(key);
        }
    }

    void launch() {
        delegate = std::make_unique<AppDelegate>();
        delegate->finishLaunching();
    }

    /// Runs the work the controller deferred to after the current event.
    void settle() {
        platform.queue.runUntilIdle();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QAction& menuItem(const std::string& prefix) {
        for (QAction* action : delegate->statusItemController()->menu().actions()) {
            if (action->text().toStdString().starts_with(prefix)) {
                return *action;
            }
        }
        ADD_FAILURE() << "no menu item " << prefix;
        static QAction none;
        return none;
    }

    std::string shortcutTitle() {
        for (QAction* action : delegate->statusItemController()->menu().actions()) {
            const std::string text = action->text().toStdString();
            if (text.starts_with("Set Shortcut") || text.starts_with("Change Shortcut")) {
                return text;
            }
        }
        return "";
    }

    std::vector<std::string> callsMatching(const std::string& prefix) const {
        std::vector<std::string> found;
        std::copy_if(platform.calls.begin(), platform.calls.end(), std::back_inserter(found),
                     [&](const std::string& call) { return call.starts_with(prefix); });
        return found;
    }

    void pick(const std::string& emoji) { delegate->panel()->controller().onPaste(emoji); }

    platform::FakePlatform platform;
    std::unique_ptr<AppDelegate> delegate;
};

TEST_F(AppDelegateTest, LaunchesWithEachCombinationOfStoredShortcutAndResumeFlag) {
    const struct {
        bool shortcutStored;
        std::optional<bool> resume;
        bool welcomeOpen;
        std::optional<bool> permissionWindowOnboarding;  // none: no permission window
        const char* title;
    } cases[] = {
        {true, std::nullopt, false, std::nullopt, "Change Shortcut (⌃⌥Space)…"},
        {true, true, false, true, "Change Shortcut (⌃⌥Space)…"},
        {true, false, false, false, "Change Shortcut (⌃⌥Space)…"},
        {false, std::nullopt, true, std::nullopt, "Set Shortcut…"},
        {false, true, true, true, "Set Shortcut…"},
        {false, false, true, false, "Set Shortcut…"},
    };
    for (const auto& [shortcutStored, resume, welcomeOpen, permissionOnboarding, title] : cases) {
        SCOPED_TRACE(testing::Message() << "stored " << shortcutStored << ", resume "
                                        << (resume ? (*resume ? "true" : "false") : "absent"));
        clearPreferences();
        platform.calls.clear();
        if (shortcutStored) {
            HotkeySettings::save(controlOptionSpace);
        }
        if (resume) {
            prefs::setResumePastePermissionSetup(*resume);
        }
        launch();

        ASSERT_NE(delegate->panel(), nullptr);
        EXPECT_FALSE(delegate->panel()->isVisible());
        EXPECT_EQ(shortcutTitle(), title);
        EXPECT_EQ(callsMatching("register"),
                  shortcutStored
                      ? std::vector<std::string>{"register key 49 modifiers 0x1800 id " +
                                                 std::to_string(delegate->hotkeyMonitor()->id())}
                      : std::vector<std::string>{});
        EXPECT_EQ(delegate->hotkeyMonitor() != nullptr, shortcutStored);
        EXPECT_EQ(delegate->welcomeWindow() != nullptr, welcomeOpen);
        if (welcomeOpen) {
            EXPECT_TRUE(delegate->welcomeWindow()->isVisible());
        }
        EXPECT_EQ(delegate->permissionWindow() != nullptr, permissionOnboarding.has_value());
        if (permissionOnboarding) {
            EXPECT_TRUE(delegate->permissionWindow()->isVisible());
            // Only the onboarding mode has the step line.
            EXPECT_EQ(delegate->permissionWindow()->findChild<QLabel*>("stepLine") != nullptr,
                      *permissionOnboarding);
        }
        EXPECT_FALSE(prefs::hasResumePastePermissionSetup()) << "the flag resumes one start only";
        EXPECT_FALSE(delegate->noticePanel().isVisible());
        delegate.reset();
        settle();
    }
}

TEST_F(AppDelegateTest, TogglingCapturesTheFrontWindowOnlyWhenItOpensThePicker) {
    HotkeySettings::save(controlOptionSpace);
    launch();
    PickerPanel& panel = *delegate->panel();

    platform.workspace.frontmost = editor;
    platform.hotkeys.press(delegate->hotkeyMonitor()->id());
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(delegate->capturedTargetWindow(), editor);

    // The picker itself may be in front now; closing must not capture it.
    platform.workspace.frontmost = terminal;
    platform.hotkeys.press(delegate->hotkeyMonitor()->id());
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(delegate->capturedTargetWindow(), editor);

    menuItem("Open Zembril").trigger();
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(delegate->capturedTargetWindow(), terminal);

    // Nothing in front is captured as it comes.
    delegate->toggle();
    platform.workspace.frontmost.reset();
    delegate->toggle();
    EXPECT_EQ(delegate->capturedTargetWindow(), std::nullopt);

    // Another start of the program opens the picker but never closes it.
    delegate->openPicker();
    EXPECT_TRUE(panel.isVisible());
}

TEST_F(AppDelegateTest, APickWithPastingAllowedPastesIntoTheCapturedWindow) {
    HotkeySettings::save(controlOptionSpace);
    launch();
    platform.workspace.frontmost = editor;
    delegate->toggle();
    platform.calls.clear();

    pick("🐱");

    EXPECT_FALSE(delegate->panel()->isVisible());
    EXPECT_THAT(prefs::recentEmoji(), ElementsAre("🐱"));
    platform.queue.advance(1s);
    EXPECT_THAT(callsMatching("activate"), ElementsAre("activate 42"));
    EXPECT_THAT(callsMatching("write"), ElementsAre("write clipboard 🐱"));
    EXPECT_THAT(callsMatching("post"), testing::Not(testing::IsEmpty()));
    EXPECT_FALSE(delegate->noticePanel().isVisible());
}

TEST_F(AppDelegateTest, APickWithoutPastingCopiesAndOffersThePermissionWindow) {
    setPasting(false);
    HotkeySettings::save(controlOptionSpace);
    launch();
    platform.workspace.frontmost = editor;
    delegate->toggle();
    platform.calls.clear();

    pick("👋🏽");

    EXPECT_FALSE(delegate->panel()->isVisible());
    EXPECT_THAT(prefs::recentEmoji(), ElementsAre("👋"));
    EXPECT_EQ(platform.pasteboard.text(platform::Selection::clipboard), "👋🏽");
    EXPECT_THAT(callsMatching("activate"), ElementsAre("activate 42"));
    NoticePanel& notice = delegate->noticePanel();
    ASSERT_TRUE(notice.isVisible());
    EXPECT_EQ(shownText(notice.titleLabel()), "Copied 👋🏽 — paste it with ⌘V");
    EXPECT_EQ(shownText(notice.detailLabel()), "Click to let Zembril paste for you");
    platform.queue.advance(1s);
    EXPECT_THAT(callsMatching("post"), testing::IsEmpty());

    QTest::mouseClick(&notice.detailLabel(), Qt::LeftButton);
    ASSERT_NE(delegate->permissionWindow(), nullptr);
    EXPECT_EQ(delegate->permissionWindow()->findChild<QLabel*>("stepLine"), nullptr)
        << "opened from the notice, the window is not part of onboarding";

    // The notice goes by itself after five seconds.
    pick("🐶");
    platform.queue.advance(4900ms);
    EXPECT_TRUE(notice.isVisible());
    platform.queue.advance(1s);
    EXPECT_FALSE(notice.isVisible());
}

TEST_F(AppDelegateTest, CommandCCopiesWhateverThePermissionAndShowsNoNotice) {
    for (const bool allowed : {true, false}) {
        SCOPED_TRACE(allowed ? "pasting allowed" : "pasting not allowed");
        setPasting(allowed);
        clearPreferences();
        HotkeySettings::save(controlOptionSpace);
        launch();
        platform.workspace.frontmost = editor;
        delegate->toggle();
        platform.calls.clear();

        delegate->panel()->controller().onCopy("🎉");
        platform.queue.advance(1s);

        EXPECT_FALSE(delegate->panel()->isVisible());
        EXPECT_THAT(prefs::recentEmoji(), ElementsAre("🎉"));
        EXPECT_THAT(callsMatching("activate"), ElementsAre("activate 42"));
        EXPECT_EQ(platform.pasteboard.text(platform::Selection::clipboard), "🎉");
        EXPECT_THAT(callsMatching("post"), testing::IsEmpty());
        EXPECT_FALSE(delegate->noticePanel().isVisible());
        delegate.reset();
        settle();
    }
}

TEST_F(AppDelegateTest, ARecordedShortcutIsRegisteredBeforeTheOldOneIsReleased) {
    HotkeySettings::save(controlOptionSpace);
    launch();
    const std::uint32_t oldId = delegate->hotkeyMonitor()->id();
    platform.calls.clear();

    menuItem("Change Shortcut").trigger();
    EXPECT_EQ(delegate->recorderPanel(), nullptr) << "opens after the menu has closed";
    settle();
    ASSERT_NE(delegate->recorderPanel(), nullptr);
    EXPECT_TRUE(delegate->recorderPanel()->isVisible());
    delegate->recorderPanel()->keyDown({14, platform::modifierFlag::command, "e"});
    settle();

    const std::uint32_t newId = delegate->hotkeyMonitor()->id();
    EXPECT_THAT(callsMatching("register key 14"),
                ElementsAre("register key 14 modifiers 0x100 id " + std::to_string(newId)));
    const auto registered =
        std::find(platform.calls.begin(), platform.calls.end(),
                  "register key 14 modifiers 0x100 id " + std::to_string(newId));
    const auto released = std::find(platform.calls.begin(), platform.calls.end(),
                                    "unregister " + std::to_string(oldId));
    EXPECT_LT(registered, released);
    EXPECT_NE(released, platform.calls.end());
    EXPECT_EQ(HotkeySettings::saved(), commandE);
    EXPECT_EQ(shortcutTitle(), "Change Shortcut (⌘E)…");
    EXPECT_EQ(delegate->recorderPanel(), nullptr);

    // Whatever the permission, recording from the menu opens nothing else.
    EXPECT_EQ(delegate->permissionWindow(), nullptr);
    EXPECT_FALSE(delegate->panel()->isVisible());
}

TEST_F(AppDelegateTest, ACancelledRecordingKeepsTheOldShortcutWorking) {
    HotkeySettings::save(controlOptionSpace);
    launch();
    const std::uint32_t id = delegate->hotkeyMonitor()->id();

    menuItem("Change Shortcut").trigger();
    settle();
    delegate->recorderPanel()->keyDown({platform::keyCode::escape, 0, "\x1b"});
    settle();

    EXPECT_EQ(delegate->recorderPanel(), nullptr);
    EXPECT_EQ(delegate->hotkeyMonitor()->id(), id);
    EXPECT_THAT(callsMatching("unregister"), testing::IsEmpty());
    EXPECT_EQ(HotkeySettings::saved(), controlOptionSpace);
    EXPECT_EQ(shortcutTitle(), "Change Shortcut (⌃⌥Space)…");
    platform.hotkeys.press(id);
    EXPECT_TRUE(delegate->panel()->isVisible());
}

TEST_F(AppDelegateTest, ARefusedShortcutIsReportedAndTheNoticeLeadsToTheRecorder) {
    platform.hotkeys.registrationStatus = -9878;
    HotkeySettings::save(controlOptionSpace);
    launch();

    NoticePanel& notice = delegate->noticePanel();
    ASSERT_TRUE(notice.isVisible());
    EXPECT_EQ(shownText(notice.titleLabel()), "⌃⌥Space is used by another app");
    EXPECT_EQ(shownText(notice.detailLabel()), "Click to choose another shortcut");
    // Everything else goes on as with a working shortcut.
    EXPECT_EQ(shortcutTitle(), "Change Shortcut (⌃⌥Space)…");
    EXPECT_EQ(HotkeySettings::saved(), controlOptionSpace);

    QTest::mouseClick(&notice.detailLabel(), Qt::LeftButton);
    settle();
    ASSERT_NE(delegate->recorderPanel(), nullptr);

    platform.hotkeys.registrationStatus = 0;
    delegate->recorderPanel()->keyDown({14, platform::modifierFlag::command, "e"});
    settle();
    EXPECT_TRUE(delegate->hotkeyMonitor()->isRegistered());
    EXPECT_EQ(shortcutTitle(), "Change Shortcut (⌘E)…");
}

TEST_F(AppDelegateTest, FirstRunWithPastingAllowedStoresTheShortcutAndOpensThePickerOnce) {
    launch();
    ASSERT_NE(delegate->welcomeWindow(), nullptr);
    platform.workspace.frontmost = editor;

    delegate->welcomeWindow()->shortcutField().keyDown(controlOptionSpaceKey());
    EXPECT_FALSE(delegate->panel()->isVisible()) << "the picker waits for the event to end";
    settle();

    EXPECT_EQ(delegate->welcomeWindow(), nullptr);
    EXPECT_EQ(HotkeySettings::saved(), controlOptionSpace);
    ASSERT_NE(delegate->hotkeyMonitor(), nullptr);
    EXPECT_TRUE(delegate->hotkeyMonitor()->isRegistered());
    EXPECT_EQ(shortcutTitle(), "Change Shortcut (⌃⌥Space)…");
    EXPECT_EQ(delegate->permissionWindow(), nullptr);
    EXPECT_TRUE(delegate->panel()->isVisible());
    EXPECT_EQ(delegate->capturedTargetWindow(), editor);
}

TEST_F(AppDelegateTest, FirstRunWithoutPastingOpensThePickerOnlyWhenThePermissionWindowCloses) {
    setPasting(false);
    launch();
    delegate->welcomeWindow()->shortcutField().keyDown(controlOptionSpaceKey());
    settle();

    EXPECT_EQ(HotkeySettings::saved(), controlOptionSpace);
    ASSERT_NE(delegate->permissionWindow(), nullptr);
    PermissionWindow* window = delegate->permissionWindow();
    EXPECT_NE(window->findChild<QLabel*>("stepLine"), nullptr);
    EXPECT_FALSE(delegate->panel()->isVisible());

    // Asking again from the menu shows the same window, still in onboarding mode.
    menuItem("Allow Pasting").trigger();
    EXPECT_EQ(delegate->permissionWindow(), window);
    EXPECT_NE(window->findChild<QLabel*>("stepLine"), nullptr);

    window->close();
    settle();
    EXPECT_EQ(delegate->permissionWindow(), nullptr);
    EXPECT_TRUE(delegate->panel()->isVisible());
}

TEST_F(AppDelegateTest, SkippingTheWelcomeWindowOpensThePickerWithoutAShortcut) {
    setPasting(false);
    launch();
    delegate->welcomeWindow()->close();
    settle();

    EXPECT_EQ(delegate->welcomeWindow(), nullptr);
    EXPECT_TRUE(delegate->panel()->isVisible());
    EXPECT_EQ(delegate->hotkeyMonitor(), nullptr);
    EXPECT_EQ(HotkeySettings::saved(), std::nullopt);
    EXPECT_EQ(shortcutTitle(), "Set Shortcut…");
    EXPECT_EQ(delegate->permissionWindow(), nullptr);
}

TEST_F(AppDelegateTest, ClosingAResumedPermissionWindowOpensThePickerOnlyInOnboarding) {
    for (const bool onboarding : {true, false}) {
        SCOPED_TRACE(onboarding ? "onboarding" : "normal");
        clearPreferences();
        HotkeySettings::save(controlOptionSpace);
        prefs::setResumePastePermissionSetup(onboarding);
        launch();
        ASSERT_NE(delegate->permissionWindow(), nullptr);

        delegate->permissionWindow()->close();
        settle();
        EXPECT_EQ(delegate->permissionWindow(), nullptr);
        EXPECT_EQ(delegate->panel()->isVisible(), onboarding);
        delegate.reset();
        settle();
    }
}

TEST_F(AppDelegateTest, TheRestartReleasesTheShortcutBeforeStartingTheNewInstance) {
    setPastePermission(platform, PastePermission::State::needsRestart);
    HotkeySettings::save(controlOptionSpace);
    prefs::setResumePastePermissionSetup(true);
    launch();
    const std::uint32_t id = delegate->hotkeyMonitor()->id();
    platform.calls.clear();

    delegate->permissionWindow()->onRestart();
    platform.workspace.completeLaunches();
    settle();

    EXPECT_EQ(delegate->hotkeyMonitor(), nullptr);
    const auto released =
        std::find(platform.calls.begin(), platform.calls.end(), "unregister " + std::to_string(id));
    const auto launched =
        std::find(platform.calls.begin(), platform.calls.end(), "launch new instance");
    EXPECT_LT(released, launched);
    EXPECT_NE(launched, platform.calls.end());
    EXPECT_THAT(callsMatching("terminate"), ElementsAre("terminate"));
    EXPECT_EQ(prefs::takeResumePastePermissionSetup(), true) << "the window's own mode resumes";
}

TEST_F(AppDelegateTest, SettingsAreCreatedOnceAndWatchThePermissionOnce) {
    HotkeySettings::save(controlOptionSpace);
    launch();

    menuItem("Settings").trigger();
    SettingsWindow* window = delegate->settingsWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(platform.queue.activeTimerCount(), 1U);

    menuItem("Settings").trigger();
    EXPECT_EQ(delegate->settingsWindow(), window);
    EXPECT_EQ(platform.queue.activeTimerCount(), 1U);

    window->close();
    EXPECT_EQ(delegate->settingsWindow(), window) << "closing only hides it";
    EXPECT_EQ(platform.queue.activeTimerCount(), 0U);
    menuItem("Settings").trigger();
    EXPECT_EQ(delegate->settingsWindow(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(platform.queue.activeTimerCount(), 1U);

    // Its restart resumes in normal mode.
    window->onRestart();
    EXPECT_EQ(prefs::takeResumePastePermissionSetup(), false);
}

TEST_F(AppDelegateTest, CallbacksOutlivingTheControllerDoNothing) {
    setPasting(false);
    HotkeySettings::save(controlOptionSpace);
    launch();
    delegate->toggle();
    auto paste = delegate->panel()->controller().onPaste;
    const std::uint32_t id = delegate->hotkeyMonitor()->id();
    menuItem("Change Shortcut").trigger();
    delegate.reset();

    settle();
    paste("🐱");
    platform.hotkeys.press(id);
    EXPECT_TRUE(prefs::recentEmoji().empty());
}

}  // namespace

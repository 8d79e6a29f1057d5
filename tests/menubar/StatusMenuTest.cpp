#include "menubar/StatusMenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/FakePlatform.h"

namespace {

using Kind = StatusMenuEntry::Kind;
using platform::LoginItemStatus;
using Calls = std::vector<std::string>;

class StatusMenuTest : public testing::Test {
protected:
    StatusMenu makeMenu(const std::optional<std::string>& displayString = std::nullopt) {
        const auto record = [this](const char* what) {
            return [this, what] { fired.push_back(what); };
        };
        return StatusMenu(displayString, record("open picker"), record("change shortcut"),
                          record("open settings"), record("allow pasting"));
    }

    // The titles of the visible entries, separators as "---", key equivalents after a tab.
    static std::vector<std::string> shown(const StatusMenu& menu) {
        std::vector<std::string> lines;
        for (const auto& entry : menu.entries()) {
            if (entry.visible) {
                lines.push_back(entry.isSeparator() ? "---"
                                : entry.keyEquivalent.empty()
                                    ? entry.title
                                    : entry.title + "\t" + entry.keyEquivalent);
            }
        }
        return lines;
    }

    void setPermission(bool trusted, bool postEventsAllowed) {
        platform.inputAccess.trusted = trusted;
        platform.inputAccess.postEventsAllowed = postEventsAllowed;
    }

    platform::FakePlatform platform;
    Calls fired;
};

TEST_F(StatusMenuTest, HasElevenPositionsInOrderWithTheirTitlesAndKeyEquivalents) {
    setPermission(false, false);
    const auto menu = makeMenu("⌃⌥Space");

    const std::vector<Kind> kinds = {Kind::allowPasting,
                                     Kind::allowPastingSeparator,
                                     Kind::openPicker,
                                     Kind::separator,
                                     Kind::changeShortcut,
                                     Kind::settings,
                                     Kind::launchAtLogin,
                                     Kind::separator,
                                     Kind::about,
                                     Kind::separator,
                                     Kind::quit};
    std::vector<Kind> actual;
    for (const auto& entry : menu.entries()) {
        actual.push_back(entry.kind);
    }
    EXPECT_EQ(actual, kinds);
    EXPECT_EQ(shown(menu),
              (std::vector<std::string>{
                  "Allow Pasting…", "---", "Open Zembril", "---", "Change Shortcut (⌃⌥Space)…",
                  "Settings…\t,", "Launch at Login", "---", "About Zembril", "---", "Quit\tq"}));
    for (const auto& entry : menu.entries()) {
        EXPECT_EQ(entry.checkable, entry.kind == Kind::launchAtLogin) << entry.title;
    }
}

TEST_F(StatusMenuTest, TheShortcutEntryNamesTheShortcutWhenThereIsOne) {
    auto menu = makeMenu();
    EXPECT_EQ(menu.entry(Kind::changeShortcut).title, "Set Shortcut…");

    menu.updateShortcutTitle("⌘⇧E");
    EXPECT_EQ(menu.entry(Kind::changeShortcut).title, "Change Shortcut (⌘⇧E)…");

    menu.updateShortcutTitle(std::nullopt);
    EXPECT_EQ(menu.entry(Kind::changeShortcut).title, "Set Shortcut…");
}

TEST_F(StatusMenuTest, AllowPastingShowsWithItsSeparatorOnlyWhilePastingIsNotPermitted) {
    const struct {
        bool trusted;
        bool postEventsAllowed;
        bool shown;
    } cases[] = {
        {true, true, false},   // granted
        {false, false, true},  // needsAccessibility
        {false, true, true},   // needsAccessibility
        {true, false, true},   // needsRestart
    };
    for (const auto& [trusted, postEventsAllowed, shownNow] : cases) {
        SCOPED_TRACE(testing::Message() << trusted << postEventsAllowed);
        setPermission(trusted, postEventsAllowed);
        const auto menu = makeMenu();
        EXPECT_EQ(menu.entry(Kind::allowPasting).visible, shownNow);
        EXPECT_EQ(menu.entry(Kind::allowPastingSeparator).visible, shownNow);
        EXPECT_EQ(shown(menu).front(), shownNow ? "Allow Pasting…" : "Open Zembril");
    }
}

TEST_F(StatusMenuTest, AllowPastingFollowsThePermissionOnlyWhenTheMenuOpens) {
    setPermission(true, true);
    auto menu = makeMenu();

    setPermission(false, false);
    EXPECT_FALSE(menu.entry(Kind::allowPasting).visible);
    menu.menuWillOpen();
    EXPECT_TRUE(menu.entry(Kind::allowPasting).visible);
    EXPECT_TRUE(menu.entry(Kind::allowPastingSeparator).visible);

    setPermission(true, true);
    menu.menuWillOpen();
    EXPECT_FALSE(menu.entry(Kind::allowPasting).visible);
    EXPECT_FALSE(menu.entry(Kind::allowPastingSeparator).visible);
}

TEST_F(StatusMenuTest, EachForwardedEntryCallsItsOwnCallbackOnly) {
    auto menu = makeMenu();

    menu.openPickerClicked();
    menu.changeShortcutClicked();
    menu.settingsClicked();
    menu.allowPastingClicked();

    EXPECT_EQ(fired, (Calls{"open picker", "change shortcut", "open settings", "allow pasting"}));
}

TEST_F(StatusMenuTest, EntriesWithoutACallbackDoNothing) {
    StatusMenu menu(std::nullopt, nullptr, nullptr, nullptr, nullptr);
    platform.calls.clear();

    menu.openPickerClicked();
    menu.changeShortcutClicked();
    menu.settingsClicked();
    menu.allowPastingClicked();

    EXPECT_TRUE(platform.calls.empty());
}

TEST_F(StatusMenuTest, QuitEndsTheProgram) {
    auto menu = makeMenu();
    platform.calls.clear();

    menu.quitClicked();

    EXPECT_EQ(platform.calls, Calls{"terminate"});
    EXPECT_TRUE(fired.empty());
}

TEST_F(StatusMenuTest, TheLoginCheckmarkShowsTheStatusReadAtConstruction) {
    for (const auto status :
         {LoginItemStatus::enabled, LoginItemStatus::notRegistered, LoginItemStatus::notFound}) {
        platform.loginItem.currentStatus = status;
        EXPECT_EQ(makeMenu().entry(Kind::launchAtLogin).checked,
                  status == LoginItemStatus::enabled);
    }
}

TEST_F(StatusMenuTest, LaunchAtLoginSwitchesAndThenShowsTheStatusReadAfterTheAttempt) {
    const struct {
        const char* name;
        LoginItemStatus before;
        bool requestsFail;
        const char* request;
        bool checkedAfter;
    } cases[] = {
        {"on to off", LoginItemStatus::enabled, false, "unregister login item", false},
        {"off to on", LoginItemStatus::notRegistered, false, "register login item", true},
        {"not found registers", LoginItemStatus::notFound, false, "register login item", true},
        {"refused register", LoginItemStatus::notFound, true, "register login item", false},
        {"refused unregister", LoginItemStatus::enabled, true, "unregister login item", true},
    };
    for (const auto& [name, before, requestsFail, request, checkedAfter] : cases) {
        SCOPED_TRACE(name);
        platform.loginItem.currentStatus = before;
        platform.loginItem.requestsFail = requestsFail;
        auto menu = makeMenu();
        platform.calls.clear();

        menu.toggleLaunchAtLoginClicked();

        EXPECT_EQ(platform.calls, Calls{request});
        EXPECT_EQ(menu.entry(Kind::launchAtLogin).checked, checkedAfter);
        EXPECT_TRUE(fired.empty());
    }
}

TEST_F(StatusMenuTest, TheLoginCheckmarkIsNotReadAgainWhenTheMenuOpens) {
    auto menu = makeMenu();
    platform.loginItem.currentStatus = LoginItemStatus::enabled;

    menu.menuWillOpen();

    EXPECT_FALSE(menu.entry(Kind::launchAtLogin).checked);
}

}  // namespace

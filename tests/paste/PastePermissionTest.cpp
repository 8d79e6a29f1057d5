#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "../platform/TemporaryFolder.h"
#include "paste/PastePermission.h"
#include "platform/fake/FakePlatform.h"
#include "prefs/PreferenceKeys.h"
#include "prefs/StoredPreferences.h"

namespace {

using PastePermission::State;
using Calls = std::vector<std::string>;

class PastePermissionTest : public testing::Test {
protected:
    platform::FakePlatform platform;
};

TEST_F(PastePermissionTest, CombinesTheTwoTestsAndSkipsThePostingTestWhenNotTrusted) {
    const struct {
        bool trusted;
        bool postEventsAllowed;
        State state;
        Calls tests;
    } cases[] = {
        {false, false, State::needsAccessibility, {"test trust"}},
        {false, true, State::needsAccessibility, {"test trust"}},
        {true, false, State::needsRestart, {"test trust", "test post events"}},
        {true, true, State::granted, {"test trust", "test post events"}},
    };
    for (const auto& [trusted, postEventsAllowed, state, tests] : cases) {
        SCOPED_TRACE(testing::Message() << trusted << postEventsAllowed);
        platform.calls.clear();
        platform.inputAccess.trusted = trusted;
        platform.inputAccess.postEventsAllowed = postEventsAllowed;
        EXPECT_EQ(PastePermission::current(), state);
        EXPECT_EQ(platform.calls, tests);
    }
}

TEST_F(PastePermissionTest, FirstRequestPromptsAndRecordsItLaterOnesOpenTheHelpPage) {
    test::TemporaryFolder folder;
    const auto resources = folder.path() / "share zembril";
    std::filesystem::create_directories(resources / "help");
    std::ofstream(resources / "help" / "allow-pasting.html") << "<html></html>";
    platform.resources.folder = resources;
    platform.inputAccess.trusted = false;
    platform.inputAccess.postEventsAllowed = false;

    PastePermission::requestAccess();
    EXPECT_TRUE(prefs::pastePermissionRequested());
    EXPECT_EQ(platform.calls, (Calls{"request trust", "test post events", "request post events"}));

    platform.calls.clear();
    PastePermission::requestAccess();
    const auto expectedUrl =
        "file://" + (folder.path() / "share%20zembril/help/allow-pasting.html").string();
    EXPECT_EQ(platform.calls, (Calls{"request post events", "open " + expectedUrl}));
}

TEST_F(PastePermissionTest, PromptAsksForPostingOnlyWhenItIsNotAllowed) {
    PastePermission::request();
    EXPECT_EQ(platform.calls, (Calls{"request trust", "test post events"}));
}

TEST_F(PastePermissionTest, OpeningSettingsWithoutTheHelpPageOpensNothing) {
    PastePermission::openSettings();
    EXPECT_EQ(platform.calls, Calls{"request post events"});
}

TEST_F(PastePermissionTest, RelaunchStoresTheModeReleasesThenLaunchesAndEndsAfterTheLaunch) {
    for (const bool onboarding : {true, false}) {
        SCOPED_TRACE(onboarding);
        platform.calls.clear();
        std::optional<bool> storedBeforeLaunch;
        PastePermission::relaunch(onboarding, [&] {
            platform.calls.push_back("before launch");
            storedBeforeLaunch =
                platform.defaults.object(prefs::keys::resumePastePermissionSetup).has_value();
        });
        EXPECT_EQ(storedBeforeLaunch, true);
        EXPECT_EQ(platform.calls, (Calls{"before launch", "launch new instance"}));

        platform.queue.runUntilIdle();
        EXPECT_EQ(platform.calls.back(), "launch new instance")
            << "the program ends only once the launch request completes";
        platform.workspace.completeLaunches();
        EXPECT_EQ(platform.calls.back(), "launch new instance")
            << "the end waits for the main queue";
        platform.queue.runUntilIdle();
        EXPECT_EQ(platform.calls.back(), "terminate");

        EXPECT_EQ(PastePermission::consumeResume(), onboarding);
    }
}

TEST_F(PastePermissionTest, RelaunchWithoutABeforeLaunchStepStillLaunches) {
    PastePermission::relaunch(false, nullptr);
    EXPECT_EQ(platform.calls, Calls{"launch new instance"});
}

TEST_F(PastePermissionTest, ConsumeResumeYieldsTheStoredModeOnce) {
    using platform::DefaultsValue;
    const struct {
        const char* what;
        std::optional<DefaultsValue> stored;
        std::optional<bool> yielded;
    } cases[] = {
        {"nothing", std::nullopt, std::nullopt},
        {"true", DefaultsValue{true}, true},
        {"false", DefaultsValue{false}, false},
        {"a string that reads true", DefaultsValue{std::string("YES")}, true},
        {"a string without a Boolean reading", DefaultsValue{std::string("maybe")}, false},
        {"a value of no type", DefaultsValue{platform::OtherValue{}}, false},
    };
    for (const auto& [what, stored, yielded] : cases) {
        SCOPED_TRACE(what);
        if (stored) {
            platform.defaults.setObject(prefs::keys::resumePastePermissionSetup, *stored);
        }
        const auto writesBefore = platform.defaults.writeCount();
        EXPECT_EQ(PastePermission::consumeResume(), yielded);
        EXPECT_FALSE(platform.defaults.object(prefs::keys::resumePastePermissionSetup));
        EXPECT_EQ(PastePermission::consumeResume(), std::nullopt);
        if (!stored) {
            EXPECT_EQ(platform.defaults.writeCount(), writesBefore) << "nothing changes";
        }
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <chrono>

#include "WindowsTestSupport.h"
#include "paste/PastePermissionMonitor.h"
#include "platform/fake/FakePlatform.h"
#include "support/PastePermissionStates.h"
#include "windows/SettingsWindow.h"
#include "windows/SidebarRowView.h"

namespace {

using namespace std::chrono_literals;
using namespace windows_test;
using PastePermission::State;

class SettingsWindowTest : public testing::Test {
protected:
    SettingsWindowTest() { platform.resources.folder = ZEMBRIL_SOURCE_DIR "/resources"; }

    // What the application does on every opening.
    static void open(SettingsWindow& window) {
        window.center();
        window.showAndActivate();
        window.pasteMonitor().start();
    }

    bool stateWasTested() const {
        return std::count(platform.calls.begin(), platform.calls.end(), "test trust") > 0;
    }

    static bool shows(const SettingsWindow& window, SettingsSection section) {
        return window.sectionView(section)->isVisibleTo(&window);
    }

    platform::FakePlatform platform;
};

TEST_F(SettingsWindowTest, LaysOutSidebarAndContent) {
    SettingsWindow window;
    EXPECT_FALSE(window.isVisible()) << "built, not shown";
    EXPECT_EQ(window.size(), QSize(560, 320));
    EXPECT_EQ(window.windowTitle(), "Settings");
    EXPECT_FALSE(window.testAttribute(Qt::WA_DeleteOnClose));

    const struct {
        const char* name;
        Frame frame;
    } frames[] = {
        {"windowBackground", {0, 0, 560, 320}}, {"sidebar", {0, 0, 150, 320}},
        {"separator", {150, 0, 1, 320}},        {"contentContainer", {151, 0, 409, 320}},
        {"skinTonePage", {0, 0, 409, 320}},     {"pastingPage", {0, 0, 409, 320}},
    };
    for (const auto& [name, frame] : frames) {
        EXPECT_EQ(frameOfChild(window, name), frame) << name;
    }

    const struct {
        SettingsSection section;
        const char* title;
        Frame frame;
    } rows[] = {
        {SettingsSection::skinTone, "Skin Tone", {10, 234, 130, 30}},
        {SettingsSection::pasting, "Pasting", {10, 200, 130, 30}},
    };
    for (const auto& [section, title, frame] : rows) {
        SCOPED_TRACE(title);
        const SidebarRowView& row = *window.sidebarRow(section);
        EXPECT_EQ(frameOf(row), frame);
        EXPECT_EQ(row.titleLabel()->text(), title);
        EXPECT_EQ(row.titleLabel()->font().pixelSize(), 13);
        EXPECT_EQ(frameOf(*row.titleLabel()), (Frame{32, 7, 90, 16}));
        EXPECT_EQ(frameOf(*row.iconView()), (Frame{8, 7, 16, 16}));
        EXPECT_FALSE(row.iconView()->pixmap().isNull()) << "the symbol ships in resources/icons";
        EXPECT_EQ(row.iconView()->accessibleName(), title);
    }
}

TEST_F(SettingsWindowTest, SidebarSelectsOneSectionAtATime) {
    SettingsWindow window;
    window.setPalette(light.palette());
    window.show();
    SidebarRowView& skinTone = *window.sidebarRow(SettingsSection::skinTone);
    SidebarRowView& pasting = *window.sidebarRow(SettingsSection::pasting);
    const QColor tint = alpha(light.accent, 0.16);
    const auto expectSelected = [&](SettingsSection section) {
        const bool skinToneShown = section == SettingsSection::skinTone;
        EXPECT_EQ(shows(window, SettingsSection::skinTone), skinToneShown);
        EXPECT_EQ(shows(window, SettingsSection::pasting), !skinToneShown);
        EXPECT_EQ(skinTone.isSelected, skinToneShown);
        EXPECT_EQ(pasting.isSelected, !skinToneShown);
        EXPECT_EQ(skinTone.backgroundColor(), skinToneShown ? tint : QColor(Qt::transparent));
        EXPECT_EQ(pasting.backgroundColor(), skinToneShown ? QColor(Qt::transparent) : tint);
    };

    {
        SCOPED_TRACE("a fresh window");
        expectSelected(SettingsSection::skinTone);
    }
    QTest::mouseClick(&pasting, Qt::LeftButton);
    {
        SCOPED_TRACE("Pasting clicked");
        expectSelected(SettingsSection::pasting);
    }
    QTest::mouseClick(pasting.titleLabel(), Qt::LeftButton, {}, QPoint(5, 5));
    {
        SCOPED_TRACE("Pasting clicked again, on its title");
        expectSelected(SettingsSection::pasting);
    }
    saveRender(window, "settings-window-pasting-selected");
    QTest::mouseClick(&skinTone, Qt::LeftButton);
    {
        SCOPED_TRACE("Skin Tone clicked");
        expectSelected(SettingsSection::skinTone);
    }
}

TEST_F(SettingsWindowTest, ClosingStopsWatchingAndOnlyHides) {
    const struct {
        const char* how;
        void (*close)(SettingsWindow&);
    } ways[] = {
        {"close()", [](SettingsWindow& w) { w.close(); }},
        {"the title-bar button", [](SettingsWindow& w) { w.windowHandle()->close(); }},
    };
    for (const auto& [how, close] : ways) {
        SCOPED_TRACE(how);
        SettingsWindow window;
        open(window);
        EXPECT_EQ(platform.queue.activeTimerCount(), 1u);
        platform.calls.clear();
        platform.queue.advance(1s);
        EXPECT_TRUE(stateWasTested()) << "watched while open";

        close(window);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(platform.queue.activeTimerCount(), 0u);
        platform.calls.clear();
        platform.queue.advance(5s);
        EXPECT_FALSE(stateWasTested()) << "not watched once closed";
    }
}

TEST_F(SettingsWindowTest, ReopeningKeepsThePageAndBringsItUpToDateAtOnce) {
    setPastePermission(platform, State::granted);
    SettingsWindow window;
    PastePermissionMonitor& monitor = window.pasteMonitor();
    open(window);
    QTest::mouseClick(window.sidebarRow(SettingsSection::pasting), Qt::LeftButton);
    EXPECT_FALSE(window.pasteButton()->isVisibleTo(&window));
    window.close();

    setPastePermission(platform, State::needsAccessibility);
    open(window);
    EXPECT_EQ(&window.pasteMonitor(), &monitor) << "one monitor for the window's life";
    EXPECT_TRUE(shows(window, SettingsSection::pasting)) << "the page last selected";
    EXPECT_EQ(window.pasteState(), State::needsAccessibility) << "without waiting for a tick";
    EXPECT_TRUE(window.pasteButton()->isVisible());
    EXPECT_EQ(window.pasteButton()->text(), "Allow Pasting…");
}

}  // namespace

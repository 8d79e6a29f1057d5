#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <string>

#include "WindowsTestSupport.h"
#include "paste/PastePermissionMonitor.h"
#include "platform/fake/FakePlatform.h"
#include "prefs/StoredPreferences.h"
#include "support/PastePermissionStates.h"
#include "ui/PastePermissionStatusView.h"
#include "windows/SettingsWindow.h"
#include "windows/SidebarRowView.h"
#include "windows/SkinToneSwatchView.h"

namespace {

using namespace std::chrono_literals;
using namespace windows_test;
using PastePermission::State;

class SettingsPagesTest : public testing::Test {
protected:
    SettingsPagesTest() { platform.resources.folder = ZEMBRIL_SOURCE_DIR "/resources"; }

    static const QLabel* pageLabel(const SettingsWindow& window, SettingsSection section,
                                   const char* name) {
        const auto* label = window.sectionView(section)->findChild<QLabel*>(name);
        EXPECT_NE(label, nullptr) << name;
        return label;
    }

    static SkinToneSwatchView& swatch(const SettingsWindow& window, SkinTone tone) {
        return *window.toneSwatches().at(static_cast<std::size_t>(tone.rawValue()));
    }

    // Only `tone`'s swatch wears the accent ring and tint.
    static void expectOnlySelected(const SettingsWindow& window, SkinTone tone) {
        for (const SkinToneSwatchView* shown : window.toneSwatches()) {
            SCOPED_TRACE(std::string(shown->tone().displayName()));
            const bool selected = shown->tone() == tone;
            EXPECT_EQ(shown->isSelected, selected);
            EXPECT_EQ(shown->borderWidth(), selected ? 2.5 : 1.0);
            EXPECT_EQ(shown->borderColor(), selected ? light.accent : alpha(light.text, 0.15));
            EXPECT_EQ(shown->backgroundColor(), selected ? alpha(light.accent, 0.12) : light.base);
        }
    }

    static void showPage(SettingsWindow& window, SettingsSection section) {
        window.show();
        QTest::mouseClick(window.sidebarRow(section), Qt::LeftButton);
    }

    platform::FakePlatform platform;
};

TEST_F(SettingsPagesTest, HandGlyphsCarryEachTonesModifier) {
    const struct {
        SkinTone tone;
        const char* glyph;
    } glyphs[] = {
        {SkinTone::none, "\u270B"},
        {SkinTone::light, "\u270B\U0001F3FB"},
        {SkinTone::mediumLight, "\u270B\U0001F3FC"},
        {SkinTone::medium, "\u270B\U0001F3FD"},
        {SkinTone::mediumDark, "\u270B\U0001F3FE"},
        {SkinTone::dark, "\u270B\U0001F3FF"},
    };
    for (const auto& [tone, glyph] : glyphs) {
        EXPECT_EQ(SettingsWindow::handGlyph(tone), QString::fromUtf8(glyph)) << tone.displayName();
    }
}

TEST_F(SettingsPagesTest, SkinTonePageCentresSixSwatches) {
    SettingsWindow window;
    const auto page = SettingsSection::skinTone;
    EXPECT_EQ(pageLabel(window, page, "heading")->text(), "Default Skin Tone");
    EXPECT_EQ(pageLabel(window, page, "heading")->font().pixelSize(), 15);
    EXPECT_TRUE(pageLabel(window, page, "heading")->font().bold());
    EXPECT_EQ(frameOf(*pageLabel(window, page, "heading")), (Frame{24, 244, 361, 20}));
    EXPECT_EQ(pageLabel(window, page, "description")->text(),
              "Applied automatically to every emoji that supports one.");
    EXPECT_EQ(pageLabel(window, page, "description")->font().pixelSize(), 12);
    expectWrappedAt(*pageLabel(window, page, "description"), Frame{24, 218, 361, 18});
    EXPECT_EQ(frameOf(*window.toneSelectionLabel()), (Frame{24, 128, 361, 16}));
    EXPECT_EQ(window.toneSelectionLabel()->font().pixelSize(), 12);

    ASSERT_EQ(window.toneSwatches().size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        const SkinToneSwatchView& shown = *window.toneSwatches()[i];
        const SkinTone tone = SkinTone::allCases[i];
        SCOPED_TRACE(std::string(tone.displayName()));
        EXPECT_EQ(shown.tone(), tone);
        // 324 points of swatches in 409: 42.5 on each side, the half point given to the right.
        EXPECT_EQ(frameOf(shown), (Frame{42 + 56 * static_cast<int>(i), 158, 44, 44}));
        EXPECT_EQ(shown.glyphLabel()->text(), SettingsWindow::handGlyph(tone));
        EXPECT_EQ(shown.glyphLabel()->font().family(), "Noto Color Emoji");
        EXPECT_EQ(shown.glyphLabel()->font().pixelSize(), 24);
        EXPECT_EQ(frameOf(*shown.glyphLabel()), (Frame{0, 8, 44, 28}));
        EXPECT_EQ(shown.toolTip().toStdString(), tone.displayName());
    }
}

TEST_F(SettingsPagesTest, WithNothingStoredDefaultIsChosenAndNothingIsWritten) {
    SettingsWindow window;
    window.setPalette(light.palette());
    EXPECT_EQ(window.toneSelectionLabel()->text(), "Default");
    expectOnlySelected(window, SkinTone::none);
    EXPECT_FALSE(prefs::skinToneRawValue().has_value());
    EXPECT_EQ(platform.defaults.writeCount(), 0u);
}

TEST_F(SettingsPagesTest, TheStoredToneIsChosenWhenTheWindowIsMade) {
    const struct {
        std::int64_t stored;
        SkinTone chosen;
    } cases[] = {
        {0, SkinTone::none}, {3, SkinTone::medium}, {5, SkinTone::dark}, {9, SkinTone::none}};
    for (const auto& [stored, chosen] : cases) {
        SCOPED_TRACE(stored);
        prefs::setSkinToneRawValue(stored);
        SettingsWindow window;
        window.setPalette(light.palette());
        EXPECT_EQ(window.toneSelectionLabel()->text().toStdString(), chosen.displayName());
        expectOnlySelected(window, chosen);
    }
}

TEST_F(SettingsPagesTest, ClickingASwatchStoresItsToneAtOnce) {
    SettingsWindow window;
    window.setPalette(light.palette());
    showPage(window, SettingsSection::skinTone);

    QTest::mouseClick(&swatch(window, SkinTone::dark), Qt::LeftButton);
    EXPECT_EQ(prefs::skinToneRawValue(), 5);
    EXPECT_EQ(window.toneSelectionLabel()->text(), "Dark");
    expectOnlySelected(window, SkinTone::dark);

    const std::size_t writes = platform.defaults.writeCount();
    QTest::mouseClick(swatch(window, SkinTone::dark).glyphLabel(), Qt::LeftButton);
    EXPECT_EQ(platform.defaults.writeCount(), writes + 1) << "the same value is stored again";
    EXPECT_EQ(prefs::skinToneRawValue(), 5);
    expectOnlySelected(window, SkinTone::dark);

    QTest::mouseClick(&swatch(window, SkinTone::mediumLight), Qt::LeftButton);
    saveRender(window, "settings-skin-tone-medium-light");
    window.setPalette(dark.palette());
    EXPECT_EQ(swatch(window, SkinTone::mediumLight).borderColor(), dark.accent)
        << "the ring follows the colour scheme";
    EXPECT_EQ(swatch(window, SkinTone::dark).backgroundColor(), dark.base);
    EXPECT_EQ(window.sidebarRow(SettingsSection::skinTone)->backgroundColor(),
              alpha(dark.accent, 0.16));
    saveRender(window, "settings-skin-tone-medium-light-dark");
    window.setPalette(light.palette());

    QTest::mouseClick(&swatch(window, SkinTone::none), Qt::LeftButton);
    EXPECT_EQ(prefs::skinToneRawValue(), 0) << "Default is a choice, stored as 0";
    EXPECT_EQ(window.toneSelectionLabel()->text(), "Default");
    expectOnlySelected(window, SkinTone::none);
}

TEST_F(SettingsPagesTest, PastingPageLaysOutItsRow) {
    SettingsWindow window;
    const auto page = SettingsSection::pasting;
    EXPECT_EQ(pageLabel(window, page, "heading")->text(), "Pasting");
    EXPECT_EQ(pageLabel(window, page, "heading")->font().pixelSize(), 15);
    EXPECT_TRUE(pageLabel(window, page, "heading")->font().bold());
    EXPECT_EQ(frameOf(*pageLabel(window, page, "heading")), (Frame{24, 244, 361, 20}));
    EXPECT_EQ(pageLabel(window, page, "explanation")->text(),
              "Zembril pastes by sending ⌘V to the app you were using, which needs Accessibility "
              "access. Without it, picked emoji are copied instead.");
    EXPECT_EQ(pageLabel(window, page, "explanation")->font().pixelSize(), 12);
    expectWrappedAt(*pageLabel(window, page, "explanation"), Frame{24, 200, 361, 36});
    EXPECT_GE(frameOf(*pageLabel(window, page, "explanation")).y, 154 + 24)
        << "above the status row however many lines it takes";
    EXPECT_EQ(frameOf(*window.pasteStatusView()), (Frame{24, 154, 361, 24}));
    // 220 points in 409: the half point of the spare width goes to the right.
    EXPECT_EQ(frameOf(*window.pasteButton()), (Frame{94, 108, 220, 28}));
}

TEST_F(SettingsPagesTest, PastingPageShowsEachState) {
    const struct {
        const char* name;
        State state;
        bool requested;
        const char* status;
        const char* button;  // nullptr: no button
    } cases[] = {
        {"granted", State::granted, false, "Zembril can paste", nullptr},
        {"needsAccessibility", State::needsAccessibility, false, "Not allowed yet",
         "Allow Pasting…"},
        {"needsAccessibility-requested", State::needsAccessibility, true, "Not allowed yet",
         "Open Privacy && Security"},
        {"needsRestart", State::needsRestart, false, "Almost there: restart Zembril to finish",
         "Restart Zembril"},
    };
    for (const auto& [name, state, requested, status, button] : cases) {
        SCOPED_TRACE(name);
        platform::FakePlatform fresh;
        fresh.resources.folder = ZEMBRIL_SOURCE_DIR "/resources";
        fresh.inputAccess.trusted = state != State::needsAccessibility;
        fresh.inputAccess.postEventsAllowed = state == State::granted;
        if (requested) {
            prefs::setPastePermissionRequested();
        }
        SettingsWindow window;
        window.setPalette(light.palette());
        showPage(window, SettingsSection::pasting);
        EXPECT_EQ(window.pasteState(), state);
        EXPECT_EQ(window.pasteStatusView()->label()->text(), status);
        EXPECT_EQ(window.pasteButton()->isVisible(), button != nullptr);
        if (button != nullptr) {
            EXPECT_EQ(window.pasteButton()->text(), button);
        }
        saveRender(window, QString("settings-pasting-") + name);
    }
}

TEST_F(SettingsPagesTest, AllowPastingAsksOnceThenOpensTheHelp) {
    setPastePermission(platform, State::needsAccessibility);
    SettingsWindow window;
    showPage(window, SettingsSection::pasting);

    window.pasteButton()->click();
    EXPECT_TRUE(prefs::pastePermissionRequested());
    EXPECT_EQ(platform.calls.back(), "request post events");
    EXPECT_EQ(window.pasteButton()->text(), "Open Privacy && Security");

    window.pasteButton()->click();
    EXPECT_EQ(platform.calls.back(),
              "open file://" ZEMBRIL_SOURCE_DIR "/resources/help/allow-pasting.html");
    EXPECT_EQ(window.pasteButton()->text(), "Open Privacy && Security");
}

TEST_F(SettingsPagesTest, RestartButtonCallsOnRestart) {
    setPastePermission(platform, State::needsRestart);
    SettingsWindow window;
    showPage(window, SettingsSection::pasting);
    window.pasteButton()->click();
    EXPECT_TRUE(window.isVisible()) << "without onRestart nothing happens";

    int restarts = 0;
    window.onRestart = [&] { ++restarts; };
    window.pasteButton()->click();
    EXPECT_EQ(restarts, 1);
    EXPECT_EQ(platform.calls.back(), "test post events") << "nothing asked of the session";
}

TEST_F(SettingsPagesTest, PastingPageFollowsTheStateWhileOpen) {
    setPastePermission(platform, State::needsAccessibility);
    SettingsWindow window;
    showPage(window, SettingsSection::pasting);
    window.pasteMonitor().start();

    setPastePermission(platform, State::needsRestart);
    platform.queue.advance(1s);
    EXPECT_EQ(window.pasteButton()->text(), "Restart Zembril");
    setPastePermission(platform, State::granted);
    platform.queue.advance(1s);
    EXPECT_FALSE(window.pasteButton()->isVisible());
    EXPECT_EQ(window.pasteStatusView()->label()->text(), "Zembril can paste");
    setPastePermission(platform, State::needsAccessibility);
    platform.queue.advance(1s);
    EXPECT_TRUE(window.pasteButton()->isVisible());
    EXPECT_EQ(window.pasteButton()->text(), "Allow Pasting…");
}

}  // namespace

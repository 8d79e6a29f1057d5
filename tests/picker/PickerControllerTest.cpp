#include <gtest/gtest.h>

#include "picker/PickerController.h"
#include "platform/fake/FakePlatform.h"
#include "prefs/PreferenceKeys.h"

namespace {

using namespace std::chrono_literals;
using platform::KeyEvent;
namespace key = platform::keyCode;
namespace flag = platform::modifierFlag;

// Records what the logic asked of the panel.
class RecordingView final : public PickerView {
public:
    void setQueryText(const std::string& text) override { queryText = text; }
    void setFooterName(const std::string& name) override { footerName = name; }
    void reloadGridAndScrollToTop() override { ++reloads; }
    void setEmptyStateVisible(bool visible) override { emptyStateVisible = visible; }
    void setCellChosen(IndexPath indexPath, bool chosen) override {
        chosenChanges.push_back({indexPath, chosen});
    }
    void scrollCellIntoView(IndexPath indexPath) override { scrolledTo = indexPath; }
    void centerOnActiveScreen() override { ++centerings; }
    void refreshColors() override { ++colourRefreshes; }
    void showAndTakeKeyboard() override { shown = true; }
    void hideWindow() override { shown = false; }

    std::string queryText;
    std::string footerName;
    int reloads = 0;
    bool emptyStateVisible = false;
    std::vector<std::pair<IndexPath, bool>> chosenChanges;
    std::optional<IndexPath> scrolledTo;
    int centerings = 0;
    int colourRefreshes = 0;
    bool shown = false;
};

KeyEvent typed(std::string characters, std::uint64_t flags = 0, std::uint16_t code = 0) {
    return KeyEvent{code, flags, std::move(characters)};
}
KeyEvent pressed(std::uint16_t code, std::uint64_t flags = 0) {
    return KeyEvent{code, flags, std::nullopt};
}

// A category of `count` entries named "<category> <n>", each emoji "<category><n>".
void addCategory(std::vector<EmojiEntry>& catalogue, const std::string& category, int count) {
    for (int i = 0; i < count; ++i) {
        catalogue.emplace_back(category + std::to_string(i), category + " " + std::to_string(i),
                               std::vector<std::string>{}, category, false);
    }
}

const std::string wave = "\U0001F44B";
const std::string waveMediumLight = "\U0001F44B\U0001F3FC";

class PickerControllerTest : public testing::Test {
protected:
    PickerControllerTest() {
        catalogue_.emplace_back(wave, "waving hand", std::vector<std::string>{"hello"}, "People",
                                true);
        catalogue_.emplace_back("\U0001F600", "grinning face", std::vector<std::string>{"smile"},
                                "Smileys", false);
        catalogue_.emplace_back("\U0001F431", "cat face", std::vector<std::string>{"pet"},
                                "Animals", false);
        controller_.onPaste = [this](const std::string& text) { pasted_.push_back(text); };
        controller_.onCopy = [this](const std::string& text) { copied_.push_back(text); };
    }

    void useCatalogue(std::vector<EmojiEntry> catalogue) { catalogue_ = std::move(catalogue); }
    void key(const KeyEvent& event) { controller_.keyDown(event); }
    void type(const std::string& text) {
        for (const char c : text) {
            key(typed(std::string(1, c)));
        }
    }
    std::string selectedName() const {
        const EmojiEntry* entry = controller_.entryAt(controller_.selectedIndexPath());
        return entry != nullptr ? entry->name() : "<none>";
    }

    platform::FakePlatform fake_;
    RecordingView view_;
    std::vector<EmojiEntry> catalogue_;
    PickerController controller_{view_,
                                 [this]() -> const std::vector<EmojiEntry>& { return catalogue_; }};
    std::vector<std::string> pasted_;
    std::vector<std::string> copied_;
};

TEST_F(PickerControllerTest, StartsHiddenWithThePlaceholderAndCaret) {
    EXPECT_EQ(view_.queryText, "Type to search…|");
    EXPECT_FALSE(view_.shown);
}

TEST_F(PickerControllerTest, PresentShowsAFreshGridAndBlinksTheCaretEveryHalfSecond) {
    controller_.present();
    EXPECT_TRUE(view_.shown);
    EXPECT_EQ(view_.centerings, 1);
    EXPECT_EQ(view_.colourRefreshes, 1);
    EXPECT_EQ(controller_.selectedIndexPath(), (IndexPath{0, 0}));
    EXPECT_EQ(view_.footerName, "waving hand");
    EXPECT_FALSE(view_.emptyStateVisible);
    const std::string expected[] = {"Type to search…|", "Type to search…", "Type to search…|",
                                    "Type to search…"};
    for (const auto& text : expected) {
        EXPECT_EQ(view_.queryText, text) << "at " << fake_.queue.now().count() << " ms";
        fake_.queue.advance(500ms);
    }
    type("ca");
    EXPECT_EQ(view_.queryText, "ca|");
}

TEST_F(PickerControllerTest, DismissAndLossOfKeyboardHideAndStopTheCaret) {
    controller_.present();
    controller_.dismiss();
    EXPECT_FALSE(view_.shown);
    EXPECT_EQ(fake_.queue.activeTimerCount(), 0u);
    controller_.present();
    controller_.windowDeactivated();
    EXPECT_FALSE(view_.shown);
    EXPECT_EQ(fake_.queue.activeTimerCount(), 0u);
    controller_.present();
    key(pressed(key::escape));
    EXPECT_FALSE(view_.shown);
    EXPECT_EQ(fake_.queue.activeTimerCount(), 0u);
}

TEST_F(PickerControllerTest, TypingAcceptsOneCharacterThatIsNoControl) {
    controller_.present();
    const struct {
        KeyEvent event;
        bool accepted;
        const char* why;
    } cases[] = {
        {typed("c"), true, "a letter"},
        {typed(" "), true, "space"},
        {typed("C", flag::shift), true, "a shifted letter as typed"},
        {typed("e\u0301"), true, "one character of two scalars"},
        {typed("\U0001F469\u200D\U0001F4BB"), true, "one emoji of three scalars"},
        {typed("ab"), false, "two characters"},
        {typed("\t", 0, key::tab), false, "tab"},
        {typed(""), false, "empty text"},
        {pressed(99), false, "a key that types nothing"},
        {typed("\u200B"), false, "a format character"},
    };
    std::string expected;
    for (const auto& c : cases) {
        EXPECT_EQ(controller_.keyDown(c.event), c.accepted) << c.why;
        if (c.accepted) {
            expected += *c.event.charactersIgnoringModifiers;
        }
        EXPECT_EQ(controller_.query(), expected) << c.why;
    }
}

TEST_F(PickerControllerTest, EveryQueryChangeRebuildsAndSelectsTheFirstCell) {
    controller_.present();
    key(pressed(key::rightArrow));
    EXPECT_EQ(selectedName(), "grinning face");
    const auto before = controller_.sections().size();
    type("x");
    EXPECT_TRUE(controller_.sections().empty());
    EXPECT_TRUE(view_.emptyStateVisible);
    EXPECT_EQ(view_.footerName, "");
    key(pressed(key::deleteKey));
    EXPECT_EQ(controller_.sections().size(), before);
    EXPECT_EQ(selectedName(), "waving hand") << "the first cell again, not the one moved to";
    EXPECT_FALSE(view_.emptyStateVisible);
}

TEST_F(PickerControllerTest, DeleteRemovesOneWholeCharacterAndCommandKeysEditTheQuery) {
    controller_.present();
    const int reloads = view_.reloads;
    key(pressed(key::deleteKey));
    key(typed("a", flag::command, key::a));
    EXPECT_EQ(view_.reloads, reloads) << "Delete and Command-A on an empty query change nothing";

    key(typed("c"));
    key(typed("\U0001F469\u200D\U0001F4BB"));
    key(typed("e\u0301"));
    key(pressed(key::deleteKey));
    EXPECT_EQ(controller_.query(), "c\U0001F469\u200D\U0001F4BB");
    key(pressed(key::deleteKey));
    EXPECT_EQ(controller_.query(), "c");

    key(typed("v", flag::command, key::v));
    EXPECT_EQ(controller_.query(), "cv") << "Command-V types v";
    key(typed("A", flag::command | flag::shift, key::a));
    EXPECT_EQ(controller_.query(), "") << "Command-A clears, whatever the case";
    type("cat");
    key(pressed(key::deleteKey, flag::command));
    EXPECT_EQ(controller_.query(), "") << "Command-Delete clears";
}

TEST_F(PickerControllerTest, ReturnEnterClickAndCommandCDeliverTheSelection) {
    fake_.defaults.setInteger(prefs::keys::skinTone, 0);
    controller_.present();
    key(pressed(key::rightArrow));
    key(pressed(key::returnKey));
    key(pressed(key::keypadEnter));
    key(typed("c", flag::command, key::c));
    controller_.handleClick(IndexPath{2, 0});
    EXPECT_EQ(pasted_, (std::vector<std::string>{"\U0001F600", "\U0001F600", "\U0001F431"}));
    EXPECT_EQ(copied_, std::vector<std::string>{"\U0001F600"});
    EXPECT_EQ(controller_.selectedIndexPath(), (IndexPath{2, 0})) << "a click also selects";

    controller_.onPaste = nullptr;
    key(pressed(key::returnKey));
    EXPECT_EQ(pasted_.size(), 3u) << "no callback, no delivery";
}

TEST_F(PickerControllerTest, WithoutResultsPicksNothingAndCommandCTypes) {
    controller_.present();
    type("zzz");
    key(pressed(key::returnKey));
    key(pressed(key::downArrow));
    key(typed("c", flag::command, key::c));
    EXPECT_TRUE(pasted_.empty());
    EXPECT_TRUE(copied_.empty());
    EXPECT_EQ(controller_.query(), "zzzc");
    controller_.handleClick(IndexPath{0, 0});
    EXPECT_TRUE(pasted_.empty()) << "a click that addresses no entry";
}

TEST_F(PickerControllerTest, PicksUseTheStoredToneAndOnlyAskWhenNoneIsStored) {
    fake_.defaults.setInteger(prefs::keys::skinTone, 3);
    controller_.present();
    EXPECT_EQ(controller_.sections()[0].entries[0].emoji(), "\U0001F44B\U0001F3FD")
        << "the grid shows the stored tone";
    key(pressed(key::returnKey));
    EXPECT_EQ(pasted_.back(), "\U0001F44B\U0001F3FD");

    fake_.defaults.setInteger(prefs::keys::skinTone, 0);
    controller_.present();
    key(pressed(key::returnKey));
    EXPECT_EQ(pasted_.back(), wave) << "none stored: the plain emoji, no chooser";
    EXPECT_FALSE(controller_.isChoosingTone());
}

TEST_F(PickerControllerTest, ChooserOpensForTheFirstTonePickAndStoresTheChoice) {
    controller_.present();
    key(pressed(key::returnKey));
    ASSERT_TRUE(controller_.isChoosingTone());
    EXPECT_TRUE(pasted_.empty());
    EXPECT_EQ(view_.queryText, "Skin tone for " + wave);
    EXPECT_EQ(view_.footerName, "Default");
    ASSERT_EQ(controller_.sections().size(), 1u);
    EXPECT_EQ(controller_.sections()[0].title, "Choose a Skin Tone");
    EXPECT_EQ(controller_.sections()[0].entries[5].emoji(), "\U0001F44B\U0001F3FF");
    fake_.queue.advance(500ms);
    EXPECT_EQ(view_.queryText, "Skin tone for " + wave) << "the caret leaves the line alone";

    key(typed("3"));
    EXPECT_EQ(pasted_, std::vector<std::string>{waveMediumLight});
    EXPECT_EQ(fake_.defaults.object(prefs::keys::skinTone),
              platform::DefaultsValue{std::int64_t{2}});
    EXPECT_FALSE(controller_.isChoosingTone());

    controller_.present();
    key(pressed(key::returnKey));
    EXPECT_EQ(pasted_.back(), waveMediumLight) << "no chooser once a tone is stored";
}

TEST_F(PickerControllerTest, ChooserKeysDigitsArrowsAndClicks) {
    const struct {
        std::vector<KeyEvent> keys;
        std::optional<std::string> delivered;
        const char* why;
    } cases[] = {
        {{typed("1")}, wave, "1 is Default"},
        {{typed("6", 0, 88)}, "\U0001F44B\U0001F3FF", "keypad 6"},
        {{typed("2", flag::command)}, "\U0001F44B\U0001F3FB", "Command-2 as 2"},
        {{pressed(key::rightArrow), pressed(key::rightArrow), pressed(key::returnKey)},
         waveMediumLight,
         "arrows then Return"},
        {{pressed(key::leftArrow), pressed(key::keypadEnter)}, wave, "Left on Default stays"},
        {{typed("0"), typed("7"), typed("-1"), typed("a"), pressed(key::deleteKey),
          typed("c", flag::command, key::c), pressed(key::downArrow), pressed(key::upArrow)},
         std::nullopt,
         "ignored keys"},
    };
    for (const auto& c : cases) {
        fake_.defaults.removeObject(prefs::keys::skinTone);
        pasted_.clear();
        controller_.present();
        key(pressed(key::returnKey));
        for (const auto& event : c.keys) {
            EXPECT_TRUE(controller_.keyDown(event)) << c.why << ": nothing passes on";
        }
        EXPECT_EQ(pasted_.empty() ? std::nullopt : std::optional(pasted_.back()), c.delivered)
            << c.why;
        EXPECT_EQ(controller_.isChoosingTone(), !c.delivered) << c.why;
    }
    controller_.present();
    key(pressed(key::returnKey));
    for (int i = 0; i < 6; ++i) {
        key(pressed(key::rightArrow));
    }
    EXPECT_EQ(view_.footerName, "Dark") << "Right on Dark stays";
    controller_.handleClick(IndexPath{0, 4});
    EXPECT_EQ(pasted_.back(), "\U0001F44B\U0001F3FE");
}

TEST_F(PickerControllerTest, CommandCInTheChooserCopiesTheChosenTone) {
    controller_.present();
    key(typed("c", flag::command, key::c));
    ASSERT_TRUE(controller_.isChoosingTone());
    key(typed("3"));
    EXPECT_EQ(copied_, std::vector<std::string>{waveMediumLight});
    EXPECT_TRUE(pasted_.empty());
}

TEST_F(PickerControllerTest, EscapeLeavesTheChooserForTheTypedQuery) {
    controller_.present();
    type("wav");
    key(pressed(key::returnKey));
    ASSERT_TRUE(controller_.isChoosingTone());
    key(pressed(key::escape));
    EXPECT_FALSE(controller_.isChoosingTone());
    EXPECT_TRUE(view_.shown);
    EXPECT_EQ(view_.queryText, "wav|");
    EXPECT_EQ(selectedName(), "waving hand");
    EXPECT_TRUE(pasted_.empty());
    EXPECT_FALSE(fake_.defaults.object(prefs::keys::skinTone));
}

TEST_F(PickerControllerTest, PresentAfterHidingWithAQueryAndTheChooserStartsAfresh) {
    controller_.present();
    type("wav");
    key(pressed(key::returnKey));
    fake_.queue.advance(500ms);
    controller_.dismiss();
    controller_.present();
    EXPECT_EQ(controller_.query(), "");
    EXPECT_FALSE(controller_.isChoosingTone());
    EXPECT_EQ(controller_.selectedIndexPath(), (IndexPath{0, 0}));
    EXPECT_EQ(controller_.sections().size(), 3u);
    EXPECT_EQ(view_.queryText, "Type to search…|");
}

TEST_F(PickerControllerTest, RowMovementKeepsTheColumnAcrossSections) {
    std::vector<EmojiEntry> catalogue;
    addCategory(catalogue, "a", 15);
    addCategory(catalogue, "b", 20);
    addCategory(catalogue, "c", 25);
    addCategory(catalogue, "d", 5);
    useCatalogue(catalogue);
    controller_.present();
    const struct {
        IndexPath from;
        std::uint16_t key;
        std::optional<IndexPath> to;
        const char* why;
    } cases[] = {
        {{0, 7}, key::downArrow, IndexPath{1, 7}, "no cell below item 7 of 15"},
        {{2, 16}, key::downArrow, IndexPath{3, 4}, "into a shorter next section: its last"},
        {{0, 3}, key::downArrow, IndexPath{0, 12}, "a whole row down"},
        {{1, 3}, key::upArrow, IndexPath{0, 12}, "up into 15: same column of the last row"},
        {{2, 3}, key::upArrow, IndexPath{1, 19}, "up into 20: its last"},
        {{3, 3}, key::upArrow, IndexPath{2, 21}, "up into 25: same column"},
        {{3, 4}, key::downArrow, std::nullopt, "last row of the last section"},
        {{0, 8}, key::upArrow, std::nullopt, "first row of the first section"},
        {{0, 0}, key::leftArrow, std::nullopt, "first cell"},
        {{3, 4}, key::rightArrow, std::nullopt, "last cell"},
        {{0, 14}, key::rightArrow, IndexPath{1, 0}, "right into the next section"},
        {{1, 0}, key::leftArrow, IndexPath{0, 14}, "left into the previous section"},
    };
    for (const auto& c : cases) {
        controller_.handleClick(c.from);  // selects it (and pastes it, which is not looked at)
        view_.scrolledTo.reset();
        key(pressed(c.key));
        EXPECT_EQ(controller_.selectedIndexPath(), c.to.value_or(c.from)) << c.why;
        EXPECT_EQ(view_.scrolledTo, c.to) << c.why << ": scrolled only when moved";
    }
}

TEST_F(PickerControllerTest, MovingMarksOnlyTheOldAndNewCells) {
    controller_.present();
    view_.chosenChanges.clear();
    key(pressed(key::rightArrow));
    EXPECT_EQ(view_.chosenChanges,
              (std::vector<std::pair<IndexPath, bool>>{{{0, 0}, false}, {{1, 0}, true}}));
    EXPECT_EQ(view_.footerName, "grinning face");
}

TEST_F(PickerControllerTest, DeliveriesAndTicksDoNothingOnceTheControllerIsGone) {
    auto view = std::make_unique<RecordingView>();
    auto controller = std::make_unique<PickerController>(
        *view, [this]() -> const std::vector<EmojiEntry>& { return catalogue_; });
    int pastes = 0;
    controller->onPaste = [&](const std::string&) { ++pastes; };
    controller->present();
    controller.reset();
    fake_.queue.advance(2s);
    EXPECT_EQ(pastes, 0);
    EXPECT_EQ(fake_.queue.activeTimerCount(), 0u);
}

}  // namespace

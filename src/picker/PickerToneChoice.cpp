// The skin-tone chooser: while a tone-capable emoji waits for its first tone, the grid offers
// it in every tone, and the tone chosen becomes the default.
#include <charconv>

#include "catalogue/SkinToneSettings.h"
#include "picker/PickerController.h"

namespace {

constexpr std::string_view chooserTitle = "Choose a Skin Tone";

// A base-10 integer with an optional sign and nothing else, as a digit key types it.
std::optional<int> wholeNumber(const std::optional<std::string>& characters) {
    if (!characters || characters->empty()) {
        return std::nullopt;
    }
    std::string_view text = *characters;
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

void PickerController::presentToneChoice(const EmojiEntry& entry, Delivery action) {
    pendingToneEntry_ = entry;
    pendingToneAction_ = std::move(action);
    GridSection chooser{std::string(chooserTitle), {}};
    for (const SkinTone tone : SkinTone::allCases) {
        chooser.entries.emplace_back(entry.glyph(tone), std::string(tone.displayName()),
                                     std::vector<std::string>{}, std::string(), false);
    }
    sections_ = {std::move(chooser)};
    selectedIndexPath_ = IndexPath{0, 0};
    view_.reloadGridAndScrollToTop();
    view_.setEmptyStateVisible(false);
    updateFooterName();
    updateQueryLabel();
}

void PickerController::handleToneChoiceKeyDown(const platform::KeyEvent& event) {
    switch (event.keyCode) {
        case platform::keyCode::returnKey:
        case platform::keyCode::keypadEnter:
            if (selectedIndexPath_) {
                chooseTone(selectedIndexPath_->item);
            }
            return;
        case platform::keyCode::escape:
            closeToneChoice();
            return;
        case platform::keyCode::leftArrow:
        case platform::keyCode::rightArrow:
        case platform::keyCode::downArrow:
        case platform::keyCode::upArrow:
            move(arrowTarget(event.keyCode));
            return;
        default:
            if (const auto digit = wholeNumber(event.charactersIgnoringModifiers);
                digit && *digit >= 1 && *digit <= static_cast<int>(SkinTone::allCases.size())) {
                chooseTone(*digit - 1);
            }
            return;
    }
}

void PickerController::chooseTone(int item) {
    if (!pendingToneEntry_ || !pendingToneAction_ || item < 0 ||
        item >= static_cast<int>(SkinTone::allCases.size())) {
        return;
    }
    const SkinTone tone = SkinTone::allCases[static_cast<std::size_t>(item)];
    SkinToneSettings::save(tone);
    const EmojiEntry entry = *pendingToneEntry_;
    const Delivery action = std::move(pendingToneAction_);
    pendingToneEntry_.reset();
    pendingToneAction_ = nullptr;
    action(entry.glyph(tone));
}

void PickerController::closeToneChoice() {
    pendingToneEntry_.reset();
    pendingToneAction_ = nullptr;
    rebuildGrid();
    updateQueryLabel();
}

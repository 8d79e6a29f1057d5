#include "picker/PickerController.h"

#include <algorithm>
#include <chrono>

#include "catalogue/EmojiDataStore.h"
#include "catalogue/EmojiGrid.h"
#include "catalogue/RecentsStore.h"
#include "catalogue/SkinToneSettings.h"
#include "catalogue/UnicodeText.h"
#include "platform/Platform.h"

namespace {

constexpr std::string_view placeholder = "Type to search…";
constexpr std::string_view caret = "|";
constexpr std::chrono::milliseconds caretInterval{500};

bool hasCommand(const platform::KeyEvent& event) {
    return (event.modifierFlags & platform::modifierFlag::command) != 0;
}

std::string asciiLowercase(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

// Typed text is one user-perceived character that does not start with a control or format
// character (so Tab, Return and the like never reach the query).
bool isTypedText(const std::optional<std::string>& characters) {
    if (!characters || UnicodeText::graphemeCount(*characters) != 1) {
        return false;
    }
    const std::u32string scalars = UnicodeText::scalars(*characters);
    return !UnicodeText::isControlCharacter(scalars.front());
}

int count(const std::vector<GridSection>& sections, int section) {
    return static_cast<int>(sections[static_cast<std::size_t>(section)].entries.size());
}

}  // namespace

PickerController::PickerController(PickerView& view, Catalogue catalogue)
    : view_(view),
      catalogue_(catalogue ? std::move(catalogue) : Catalogue(&EmojiDataStore::entries)),
      self_(std::make_shared<PickerController*>(this)) {
    updateQueryLabel();
}

PickerController::~PickerController() = default;

const EmojiEntry* PickerController::entryAt(std::optional<IndexPath> indexPath) const {
    if (!indexPath || indexPath->section < 0 || indexPath->item < 0 ||
        indexPath->section >= static_cast<int>(sections_.size())) {
        return nullptr;
    }
    const auto& entries = sections_[static_cast<std::size_t>(indexPath->section)].entries;
    if (indexPath->item >= static_cast<int>(entries.size())) {
        return nullptr;
    }
    return &entries[static_cast<std::size_t>(indexPath->item)];
}

void PickerController::present() {
    query_.clear();
    updateQueryLabel();
    pendingToneEntry_.reset();
    pendingToneAction_ = nullptr;
    rebuildGrid();
    view_.centerOnActiveScreen();
    view_.refreshColors();
    view_.showAndTakeKeyboard();
    startCaretBlink();
}

void PickerController::dismiss() {
    view_.hideWindow();
    stopCaretBlink();
}

void PickerController::rebuildGrid() {
    sections_ = EmojiGrid::sections(query_, RecentsStore::recent(), catalogue_());
    const auto tone = SkinToneSettings::saved();
    if (tone && *tone != SkinTone::none) {
        for (auto& section : sections_) {
            for (auto& entry : section.entries) {
                if (entry.supportsSkinTone()) {
                    entry = entry.withEmoji(entry.glyph(*tone));
                }
            }
        }
    }
    selectedIndexPath_ = sections_.empty() ? std::nullopt : std::optional(IndexPath{0, 0});
    view_.reloadGridAndScrollToTop();
    view_.setEmptyStateVisible(sections_.empty());
    updateFooterName();
}

void PickerController::move(std::optional<IndexPath> target) {
    if (!target || target == selectedIndexPath_) {
        return;
    }
    if (selectedIndexPath_) {
        view_.setCellChosen(*selectedIndexPath_, false);
    }
    selectedIndexPath_ = target;
    view_.setCellChosen(*target, true);
    view_.scrollCellIntoView(*target);
    updateFooterName();
}

void PickerController::clearQuery() {
    if (query_.empty()) {
        return;
    }
    query_.clear();
    updateQueryLabel();
    rebuildGrid();
}

void PickerController::updateQueryLabel() {
    if (pendingToneEntry_) {
        view_.setQueryText("Skin tone for " + pendingToneEntry_->emoji());
        return;
    }
    std::string text = query_.empty() ? std::string(placeholder) : query_;
    if (caretVisible_) {
        text += caret;
    }
    view_.setQueryText(text);
}

void PickerController::updateFooterName() {
    const EmojiEntry* selected = entryAt(selectedIndexPath_);
    view_.setFooterName(selected != nullptr ? selected->name() : std::string());
}

void PickerController::startCaretBlink() {
    stopCaretBlink();
    caretVisible_ = true;
    updateQueryLabel();
    std::weak_ptr<PickerController*> weak = self_;
    caretTimer_ = platform::mainQueue().scheduleRepeating(caretInterval, [weak] {
        if (const auto self = weak.lock()) {
            PickerController& controller = **self;
            controller.caretVisible_ = !controller.caretVisible_;
            controller.updateQueryLabel();
        }
    });
}

void PickerController::stopCaretBlink() {
    if (caretTimer_) {
        caretTimer_->invalidate();
        caretTimer_.reset();
    }
}

PickerController::Delivery PickerController::pasteDelivery() {
    std::weak_ptr<PickerController*> weak = self_;
    return [weak](const std::string& text) {
        if (const auto self = weak.lock(); self && (*self)->onPaste) {
            (*self)->onPaste(text);
        }
    };
}

PickerController::Delivery PickerController::copyDelivery() {
    std::weak_ptr<PickerController*> weak = self_;
    return [weak](const std::string& text) {
        if (const auto self = weak.lock(); self && (*self)->onCopy) {
            (*self)->onCopy(text);
        }
    };
}

void PickerController::pick(const EmojiEntry& entry, const Delivery& delivery) {
    const auto tone = SkinToneSettings::saved();
    if (entry.supportsSkinTone() && !tone) {
        presentToneChoice(entry, delivery);
        return;
    }
    delivery(entry.glyph(tone.value_or(SkinTone::none)));
}

void PickerController::handleClick(IndexPath indexPath) {
    move(indexPath);
    if (pendingToneEntry_) {
        chooseTone(indexPath.item);
        return;
    }
    if (const EmojiEntry* entry = entryAt(indexPath)) {
        pick(EmojiEntry(*entry), pasteDelivery());
    }
}

std::optional<IndexPath> PickerController::targetBelow(IndexPath from) const {
    const int s = from.section;
    const int i = from.item;
    if (i + columns < count(sections_, s)) {
        return IndexPath{s, i + columns};
    }
    if (s + 1 < static_cast<int>(sections_.size()) && count(sections_, s + 1) > 0) {
        return IndexPath{s + 1, std::min(count(sections_, s + 1) - 1, i % columns)};
    }
    return std::nullopt;
}

std::optional<IndexPath> PickerController::targetAbove(IndexPath from) const {
    const int s = from.section;
    const int i = from.item;
    if (i - columns >= 0) {
        return IndexPath{s, i - columns};
    }
    if (s >= 1 && count(sections_, s - 1) > 0) {
        const int previous = count(sections_, s - 1);
        return IndexPath{s - 1,
                         std::min(previous - 1, (previous - 1) / columns * columns + i % columns)};
    }
    return std::nullopt;
}

std::optional<IndexPath> PickerController::arrowTarget(std::uint16_t keyCode) const {
    // A selection that addresses no entry counts as none.
    if (entryAt(selectedIndexPath_) == nullptr) {
        return std::nullopt;
    }
    const IndexPath from = *selectedIndexPath_;
    switch (keyCode) {
        case platform::keyCode::leftArrow:
            return EmojiGrid::indexPathBefore(from, sections_);
        case platform::keyCode::rightArrow:
            return EmojiGrid::indexPathAfter(from, sections_);
        case platform::keyCode::downArrow:
            return targetBelow(from);
        case platform::keyCode::upArrow:
            return targetAbove(from);
        default:
            return std::nullopt;
    }
}

void PickerController::appendTyped(const std::string& text) {
    query_ += text;
    updateQueryLabel();
    rebuildGrid();
}

void PickerController::deleteLastCharacter() {
    query_ = UnicodeText::withoutLastCharacter(query_);
    updateQueryLabel();
    rebuildGrid();
}

bool PickerController::keyDown(const platform::KeyEvent& event) {
    if (pendingToneEntry_) {
        handleToneChoiceKeyDown(event);
        return true;
    }
    if (hasCommand(event) && event.charactersIgnoringModifiers) {
        const std::string command = asciiLowercase(*event.charactersIgnoringModifiers);
        if (command == "a") {
            clearQuery();
            return true;
        }
        if (command == "c") {
            if (const EmojiEntry* selected = entryAt(selectedIndexPath_)) {
                pick(EmojiEntry(*selected), copyDelivery());
                return true;
            }
        }
    }
    switch (event.keyCode) {
        case platform::keyCode::returnKey:
        case platform::keyCode::keypadEnter:
            if (const EmojiEntry* selected = entryAt(selectedIndexPath_)) {
                pick(EmojiEntry(*selected), pasteDelivery());
            }
            return true;
        case platform::keyCode::deleteKey:
            if (query_.empty()) {
                return true;
            }
            if (hasCommand(event)) {
                clearQuery();
            } else {
                deleteLastCharacter();
            }
            return true;
        case platform::keyCode::escape:
            dismiss();
            return true;
        case platform::keyCode::leftArrow:
        case platform::keyCode::rightArrow:
        case platform::keyCode::downArrow:
        case platform::keyCode::upArrow:
            move(arrowTarget(event.keyCode));
            return true;
        default:
            if (!isTypedText(event.charactersIgnoringModifiers)) {
                return false;
            }
            appendTyped(*event.charactersIgnoringModifiers);
            return true;
    }
}

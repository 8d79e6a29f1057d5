#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/EmojiEntry.h"
#include "catalogue/GridSection.h"
#include "catalogue/IndexPath.h"
#include "picker/PickerView.h"
#include "platform/KeyEvent.h"
#include "platform/RepeatingTimer.h"

// The picker's logic: the query typed so far, the sections it gives, the selection, the
// caret, every key the panel answers and how a pick becomes the text handed on. The panel
// (PickerPanel) owns one and shows what it asks through PickerView.
class PickerController {
public:
    using Delivery = std::function<void(const std::string& text)>;

    /// Cells per grid row; up and down step by this many items.
    static constexpr int columns = 9;

    using Catalogue = std::function<const std::vector<EmojiEntry>&()>;

    /// `catalogue` gives the entries to search, read at every rebuild; the shipped catalogue
    /// unless a test brings its own.
    explicit PickerController(PickerView& view, Catalogue catalogue = nullptr);
    ~PickerController();
    PickerController(const PickerController&) = delete;
    PickerController& operator=(const PickerController&) = delete;

    /// Receives a pick made with Return, Enter or a click.
    Delivery onPaste;
    /// Receives a pick made with Command-C.
    Delivery onCopy;

    /// Shows the panel afresh: empty query, no chooser, first cell selected, caret on.
    void present();
    /// Hides the panel and stops the caret; everything else stays until the next present().
    void dismiss();
    /// The panel lost the keyboard: it hides.
    void windowDeactivated() { dismiss(); }
    /// Handles one key press; false when it is refused typing that the window may handle.
    bool keyDown(const platform::KeyEvent& event);
    /// A click on the cell at `indexPath`.
    void handleClick(IndexPath indexPath);

    const std::vector<GridSection>& sections() const { return sections_; }
    std::optional<IndexPath> selectedIndexPath() const { return selectedIndexPath_; }
    const std::string& query() const { return query_; }
    bool caretVisible() const { return caretVisible_; }
    bool isChoosingTone() const { return pendingToneEntry_.has_value(); }
    /// The entry at `indexPath`, or nothing when it addresses none.
    const EmojiEntry* entryAt(std::optional<IndexPath> indexPath) const;

private:
    void rebuildGrid();
    void move(std::optional<IndexPath> target);
    void clearQuery();
    void updateQueryLabel();
    void updateFooterName();
    void startCaretBlink();
    void stopCaretBlink();
    void pick(const EmojiEntry& entry, const Delivery& delivery);
    Delivery pasteDelivery();
    Delivery copyDelivery();
    std::optional<IndexPath> targetBelow(IndexPath from) const;
    std::optional<IndexPath> targetAbove(IndexPath from) const;
    std::optional<IndexPath> arrowTarget(std::uint16_t keyCode) const;
    void appendTyped(const std::string& text);
    void deleteLastCharacter();

    // The skin-tone chooser that replaces the grid while a tone is chosen.
    void presentToneChoice(const EmojiEntry& entry, Delivery action);
    void handleToneChoiceKeyDown(const platform::KeyEvent& event);
    void chooseTone(int item);
    void closeToneChoice();

    PickerView& view_;
    Catalogue catalogue_;
    std::vector<GridSection> sections_;
    std::optional<IndexPath> selectedIndexPath_;
    std::optional<EmojiEntry> pendingToneEntry_;
    Delivery pendingToneAction_;
    std::unique_ptr<platform::RepeatingTimer> caretTimer_;
    bool caretVisible_ = true;
    std::string query_;
    // Deliveries and timer ticks hold this weakly: once the controller is gone they do nothing.
    std::shared_ptr<PickerController*> self_;
};

#pragma once

#include <optional>

#include "catalogue/EmojiEntry.h"
#include "picker/HoverTrackingView.h"

// One grid cell: the entry it shows and whether it is the selection or under the pointer.
// Cells are made for what is in view and reused as the grid scrolls.
class EmojiCollectionViewItem {
public:
    explicit EmojiCollectionViewItem(QWidget* grid);
    ~EmojiCollectionViewItem();
    EmojiCollectionViewItem(const EmojiCollectionViewItem&) = delete;
    EmojiCollectionViewItem& operator=(const EmojiCollectionViewItem&) = delete;

    HoverTrackingView& view() { return *view_; }
    const HoverTrackingView& view() const { return *view_; }

    /// Shows `entry` (its emoji, and its name as the tooltip), or nothing.
    void setEntry(std::optional<EmojiEntry> entry);
    const std::optional<EmojiEntry>& entry() const { return entry_; }

    bool isChosen = false;
    bool isHovering = false;

    /// Before the cell shows another entry: it is no longer under the pointer.
    void prepareForReuse();
    /// Draws the border that isChosen and isHovering call for.
    void updateBorder();

private:
    HoverTrackingView* view_;
    std::optional<EmojiEntry> entry_;
};

#include "picker/EmojiCollectionViewItem.h"

#include "ui/SystemColors.h"

EmojiCollectionViewItem::EmojiCollectionViewItem(QWidget* grid)
    : view_(new HoverTrackingView(grid)) {
    view_->onHoverChange = [this](bool hovering) {
        isHovering = hovering;
        updateBorder();
    };
}

EmojiCollectionViewItem::~EmojiCollectionViewItem() {
    delete view_;
}

void EmojiCollectionViewItem::setEntry(std::optional<EmojiEntry> entry) {
    entry_ = std::move(entry);
    view_->setGlyph(entry_ ? QString::fromStdString(entry_->emoji()) : QString());
    view_->setToolTip(entry_ ? QString::fromStdString(entry_->name()) : QString());
}

void EmojiCollectionViewItem::prepareForReuse() {
    isHovering = false;
    updateBorder();
}

void EmojiCollectionViewItem::updateBorder() {
    const QColor accent = systemColor(SystemColor::selectedContentBackground, view_->palette());
    if (isChosen) {
        view_->setBorder(accent, 2);
    } else if (isHovering) {
        view_->setBorder(withAlpha(accent, 0.4), 2);
    } else {
        view_->setBorder(Qt::transparent, 0);
    }
}

#pragma once

#include <QAbstractScrollArea>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "catalogue/GridSection.h"
#include "catalogue/IndexPath.h"
#include "picker/EmojiCollectionViewItem.h"
#include "picker/GridLayout.h"
#include "picker/SectionHeaderView.h"

// The grid: never takes the keyboard (every key goes to the panel), makes cells and titles
// only for what is in view and reuses them as it scrolls, and reports clicks on cells.
class EmojiGridView final : public QAbstractScrollArea {
public:
    // What the grid shows, asked afresh at every reload.
    struct DataSource {
        std::function<const std::vector<GridSection>&()> sections;
        std::function<std::optional<IndexPath>()> selectedIndexPath;
    };

    EmojiGridView(DataSource dataSource, QWidget* parent);
    ~EmojiGridView() override;

    /// Called with the index path of a clicked cell.
    std::function<void(IndexPath)> onItemClick;

    /// Rebuilds the layout from the data source, scrolls to the top and refreshes every cell.
    void reloadData();
    /// The cell now made for `indexPath`, or nothing when it is out of view.
    EmojiCollectionViewItem* itemAt(IndexPath indexPath);
    /// Scrolls by the least amount that shows all of `rect` (grid coordinates).
    void scrollRectToVisible(const QRect& rect);
    const GridLayout& layout() const { return layout_; }
    /// The part of the grid in view, in grid coordinates.
    QRect visibleRect() const;
    /// The section titles now made, by section.

protected:
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void layOutVisible();
    std::unique_ptr<EmojiCollectionViewItem> reusableCell();
    SectionHeaderView* dequeueHeader();
    void configure(EmojiCollectionViewItem& item, IndexPath indexPath);

    DataSource dataSource_;
    GridLayout layout_;
    std::map<IndexPath, std::unique_ptr<EmojiCollectionViewItem>> items_;
    std::vector<std::unique_ptr<EmojiCollectionViewItem>> reusableItems_;
    std::map<int, SectionHeaderView*> headers_;
    std::vector<SectionHeaderView*> reusableHeaders_;
};

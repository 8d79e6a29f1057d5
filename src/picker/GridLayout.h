#pragma once

#include <QPoint>
#include <QRect>
#include <optional>
#include <vector>

#include "catalogue/IndexPath.h"

// Where the grid's section titles and cells go: a vertical flow of fixed-size cells, each
// section on new rows under its title. Coordinates are the grid's own, from its top-left.
class GridLayout {
public:
    static constexpr int itemSize = 64;
    static constexpr int itemSpacing = 10;
    static constexpr int sectionTopInset = 4;
    static constexpr int sectionSideInset = 20;
    static constexpr int sectionBottomInset = 12;
    static constexpr int headerHeight = 26;
    static constexpr int columns = 9;

    GridLayout() = default;
    /// Lays out sections holding `itemCounts` entries each, in a grid `width` wide.
    GridLayout(std::vector<int> itemCounts, int width);

    int contentHeight() const { return contentHeight_; }
    int sectionCount() const { return static_cast<int>(itemCounts_.size()); }
    int itemCount(int section) const { return itemCounts_[static_cast<std::size_t>(section)]; }

    QRect headerFrame(int section) const;
    QRect cellFrame(IndexPath indexPath) const;
    /// The cell under `point`, or nothing between cells, on titles and outside.
    std::optional<IndexPath> indexPathAt(QPoint point) const;
    /// Every cell that overlaps `rect`, in order.
    std::vector<IndexPath> indexPathsIn(const QRect& rect) const;
    /// Every section whose title overlaps `rect`.
    std::vector<int> headersIn(const QRect& rect) const;

private:
    int rowsOf(int section) const;

    std::vector<int> itemCounts_;
    std::vector<int> sectionTops_;
    int width_ = 0;
    int contentHeight_ = 0;
};

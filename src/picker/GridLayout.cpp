#include "picker/GridLayout.h"

namespace {

constexpr int pitch = GridLayout::itemSize + GridLayout::itemSpacing;

}  // namespace

GridLayout::GridLayout(std::vector<int> itemCounts, int width)
    : itemCounts_(std::move(itemCounts)), width_(width) {
    int top = 0;
    sectionTops_.reserve(itemCounts_.size());
    for (int section = 0; section < sectionCount(); ++section) {
        sectionTops_.push_back(top);
        const int rows = rowsOf(section);
        const int itemsHeight = rows == 0 ? 0 : rows * itemSize + (rows - 1) * itemSpacing;
        top += headerHeight + sectionTopInset + itemsHeight + sectionBottomInset;
    }
    contentHeight_ = top;
}

int GridLayout::rowsOf(int section) const {
    return (itemCount(section) + columns - 1) / columns;
}

QRect GridLayout::headerFrame(int section) const {
    return QRect(0, sectionTops_[static_cast<std::size_t>(section)], width_, headerHeight);
}

QRect GridLayout::cellFrame(IndexPath indexPath) const {
    const int firstRowTop =
        sectionTops_[static_cast<std::size_t>(indexPath.section)] + headerHeight + sectionTopInset;
    return QRect(sectionSideInset + (indexPath.item % columns) * pitch,
                 firstRowTop + (indexPath.item / columns) * pitch, itemSize, itemSize);
}

std::optional<IndexPath> GridLayout::indexPathAt(QPoint point) const {
    for (int section = sectionCount() - 1; section >= 0; --section) {
        if (point.y() < sectionTops_[static_cast<std::size_t>(section)]) {
            continue;
        }
        const QRect first = cellFrame({section, 0});
        const int column = (point.x() - first.x()) / pitch;
        const int row = (point.y() - first.y()) / pitch;
        if (point.x() < first.x() || point.y() < first.y() || column >= columns) {
            return std::nullopt;
        }
        const IndexPath candidate{section, row * columns + column};
        if (candidate.item < itemCount(section) && cellFrame(candidate).contains(point)) {
            return candidate;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

std::vector<IndexPath> GridLayout::indexPathsIn(const QRect& rect) const {
    std::vector<IndexPath> result;
    for (int section = 0; section < sectionCount(); ++section) {
        const int rows = rowsOf(section);
        if (rows == 0) {
            continue;
        }
        const QRect first = cellFrame({section, 0});
        const QRect last = cellFrame({section, (rows - 1) * columns});
        if (last.bottom() < rect.top() || first.top() > rect.bottom()) {
            continue;
        }
        for (int row = 0; row < rows; ++row) {
            const int rowTop = first.top() + row * pitch;
            if (rowTop + itemSize - 1 < rect.top() || rowTop > rect.bottom()) {
                continue;
            }
            for (int column = 0; column < columns; ++column) {
                const IndexPath indexPath{section, row * columns + column};
                if (indexPath.item < itemCount(section) && cellFrame(indexPath).intersects(rect)) {
                    result.push_back(indexPath);
                }
            }
        }
    }
    return result;
}

std::vector<int> GridLayout::headersIn(const QRect& rect) const {
    std::vector<int> result;
    for (int section = 0; section < sectionCount(); ++section) {
        if (headerFrame(section).intersects(rect)) {
            result.push_back(section);
        }
    }
    return result;
}

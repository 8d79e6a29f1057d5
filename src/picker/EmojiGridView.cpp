#include "picker/EmojiGridView.h"

#include <QEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

EmojiGridView::EmojiGridView(DataSource dataSource, QWidget* parent)
    : QAbstractScrollArea(parent), dataSource_(std::move(dataSource)) {
    setFocusPolicy(Qt::NoFocus);
    viewport()->setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
    verticalScrollBar()->setSingleStep(GridLayout::itemSize / 2);
}

EmojiGridView::~EmojiGridView() = default;

void EmojiGridView::reloadData() {
    std::vector<int> counts;
    for (const auto& section : dataSource_.sections()) {
        counts.push_back(static_cast<int>(section.entries.size()));
    }
    layout_ = GridLayout(std::move(counts), viewport()->width());
    for (auto& [indexPath, item] : items_) {
        item->view().hide();
        reusableItems_.push_back(std::move(item));
    }
    items_.clear();
    for (auto& [section, header] : headers_) {
        header->hide();
        reusableHeaders_.push_back(header);
    }
    headers_.clear();
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, std::max(0, layout_.contentHeight() - viewport()->height()));
    bar->setPageStep(viewport()->height());
    const QSignalBlocker quiet(bar);
    bar->setValue(0);
    layOutVisible();
}

QRect EmojiGridView::visibleRect() const {
    return QRect(0, verticalScrollBar()->value(), viewport()->width(), viewport()->height());
}

EmojiCollectionViewItem* EmojiGridView::itemAt(IndexPath indexPath) {
    const auto found = items_.find(indexPath);
    return found == items_.end() ? nullptr : found->second.get();
}

void EmojiGridView::scrollRectToVisible(const QRect& rect) {
    const QRect visible = visibleRect();
    QScrollBar* bar = verticalScrollBar();
    if (rect.top() < visible.top()) {
        bar->setValue(rect.top());
    } else if (rect.bottom() > visible.bottom()) {
        bar->setValue(rect.bottom() - visible.height() + 1);
    }
}

std::unique_ptr<EmojiCollectionViewItem> EmojiGridView::reusableCell() {
    if (reusableItems_.empty()) {
        return std::make_unique<EmojiCollectionViewItem>(viewport());
    }
    auto item = std::move(reusableItems_.back());
    reusableItems_.pop_back();
    item->prepareForReuse();
    return item;
}

SectionHeaderView* EmojiGridView::dequeueHeader() {
    if (reusableHeaders_.empty()) {
        return new SectionHeaderView(viewport());
    }
    SectionHeaderView* header = reusableHeaders_.back();
    reusableHeaders_.pop_back();
    return header;
}

void EmojiGridView::configure(EmojiCollectionViewItem& item, IndexPath indexPath) {
    const auto& sections = dataSource_.sections();
    item.setEntry(sections[static_cast<std::size_t>(indexPath.section)]
                      .entries[static_cast<std::size_t>(indexPath.item)]);
    item.isChosen = dataSource_.selectedIndexPath() == indexPath;
    item.updateBorder();
}

void EmojiGridView::layOutVisible() {
    const QRect visible = visibleRect();
    const QPoint offset(0, -visible.top());

    std::map<IndexPath, std::unique_ptr<EmojiCollectionViewItem>> kept;
    for (const IndexPath indexPath : layout_.indexPathsIn(visible)) {
        auto existing = items_.find(indexPath);
        std::unique_ptr<EmojiCollectionViewItem> item;
        if (existing != items_.end()) {
            item = std::move(existing->second);
            items_.erase(existing);
        } else {
            item = reusableCell();
            configure(*item, indexPath);
        }
        item->view().setGeometry(layout_.cellFrame(indexPath).translated(offset));
        item->view().show();
        kept.emplace(indexPath, std::move(item));
    }
    for (auto& [indexPath, item] : items_) {
        item->view().hide();
        reusableItems_.push_back(std::move(item));
    }
    items_ = std::move(kept);

    std::map<int, SectionHeaderView*> keptHeaders;
    const auto& sections = dataSource_.sections();
    for (const int section : layout_.headersIn(visible)) {
        auto existing = headers_.find(section);
        SectionHeaderView* header = nullptr;
        if (existing != headers_.end()) {
            header = existing->second;
            headers_.erase(existing);
        } else {
            header = dequeueHeader();
            header->setTitle(
                QString::fromStdString(sections[static_cast<std::size_t>(section)].title));
        }
        header->setGeometry(layout_.headerFrame(section).translated(offset));
        header->show();
        keptHeaders.emplace(section, header);
    }
    for (auto& [section, header] : headers_) {
        header->hide();
        reusableHeaders_.push_back(header);
    }
    headers_ = std::move(keptHeaders);
}

void EmojiGridView::scrollContentsBy(int, int) {
    layOutVisible();
}

void EmojiGridView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    reloadData();
}

void EmojiGridView::mousePressEvent(QMouseEvent* event) {
    // Only a press on a cell means anything: no rubber band, no drag.
    const QPoint point = event->position().toPoint() + visibleRect().topLeft();
    const auto indexPath = layout_.indexPathAt(point);
    if (indexPath && onItemClick) {
        onItemClick(*indexPath);
    }
}

void EmojiGridView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        for (auto& [indexPath, item] : items_) {
            item->updateBorder();
        }
    }
}

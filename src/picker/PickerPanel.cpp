#include "picker/PickerPanel.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "ui/Frame.h"
#include "ui/KeyEventTranslation.h"
#include "ui/SystemColors.h"
#include "ui/WindowLook.h"

namespace {

constexpr int placementLift = 30;  // the panel sits this far above the screen's centre

}  // namespace

PickerPanel::PickerPanel(PickerController::Catalogue catalogue)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(panelWidth, panelHeight);
    setWindowTitle(QStringLiteral("Zembril"));

    auto* tint = new DynamicColorView(SystemColor::windowBackground, 0.95, this);
    place(*tint, Frame{0, 0, panelWidth, panelHeight});
    dynamicColorViews_.push_back(tint);

    queryLabel_ = makeLabel(QString(), 20, Qt::AlignLeft | Qt::AlignVCenter);
    place(*queryLabel_, Frame{24, 596, 672, 28});

    auto* topSeparator = new DynamicColorView(SystemColor::separator, std::nullopt, this);
    place(*topSeparator, Frame{0, 580, panelWidth, 1});
    dynamicColorViews_.push_back(topSeparator);

    collectionView_ = new EmojiGridView(
        {[this]() -> const std::vector<GridSection>& {
             static const std::vector<GridSection> none;
             return controller_ ? controller_->sections() : none;
         },
         [this] { return controller_ ? controller_->selectedIndexPath() : std::nullopt; }},
        this);
    place(*collectionView_, Frame{0, 32, panelWidth, 548});
    collectionView_->onItemClick = [this](IndexPath indexPath) {
        controller_->handleClick(indexPath);
    };

    emptyStateLabel_ = makeLabel(QStringLiteral("No results found"), 14, Qt::AlignCenter);
    place(*emptyStateLabel_, Frame{0, 296, panelWidth, 20});
    emptyStateLabel_->hide();

    auto* bottomSeparator = new DynamicColorView(SystemColor::separator, std::nullopt, this);
    place(*bottomSeparator, Frame{0, 32, panelWidth, 1});
    dynamicColorViews_.push_back(bottomSeparator);

    footerNameLabel_ = makeLabel(QString(), 11, Qt::AlignLeft | Qt::AlignVCenter);
    place(*footerNameLabel_, Frame{20, 8, 340, 16});
    footerHintLabel_ =
        makeLabel(QStringLiteral("↩ Paste    ⌘C Copy"), 11, Qt::AlignRight | Qt::AlignVCenter);
    place(*footerHintLabel_, Frame{360, 8, 340, 16});

    applyLabelColors();
    PickerView& view = *this;
    controller_ = std::make_unique<PickerController>(view, std::move(catalogue));
}

PickerPanel::~PickerPanel() = default;

QLabel* PickerPanel::makeLabel(const QString& text, int pixelSize, Qt::Alignment alignment) {
    auto* label = new QLabel(text, this);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    return label;
}

void PickerPanel::applyLabelColors() {
    const QColor secondary = systemColor(SystemColor::secondaryLabel, palette());
    for (QLabel* label : {queryLabel_, footerNameLabel_, footerHintLabel_, emptyStateLabel_}) {
        QPalette colors = label->palette();
        colors.setColor(QPalette::WindowText, secondary);
        label->setPalette(colors);
    }
}

void PickerPanel::keyPressEvent(QKeyEvent* event) {
    if (!controller_->keyDown(keyEventFrom(*event))) {
        QWidget::keyPressEvent(event);
    }
}

void PickerPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) {
        controller_->windowDeactivated();
    } else if (event->type() == QEvent::PaletteChange) {
        refreshColors();
    }
}

void PickerPanel::setQueryText(const std::string& text) {
    queryLabel_->setText(QString::fromStdString(text));
}

void PickerPanel::setFooterName(const std::string& name) {
    footerNameLabel_->setText(footerNameLabel_->fontMetrics().elidedText(
        QString::fromStdString(name), Qt::ElideRight, footerNameLabel_->width()));
}

void PickerPanel::reloadGridAndScrollToTop() {
    collectionView_->reloadData();
}

void PickerPanel::setEmptyStateVisible(bool visible) {
    emptyStateLabel_->setVisible(visible);
}

void PickerPanel::setCellChosen(IndexPath indexPath, bool chosen) {
    if (EmojiCollectionViewItem* item = collectionView_->itemAt(indexPath)) {
        item->isChosen = chosen;
        item->updateBorder();
    }
}

void PickerPanel::scrollCellIntoView(IndexPath indexPath) {
    collectionView_->scrollRectToVisible(collectionView_->layout().cellFrame(indexPath));
}

void PickerPanel::centerOnActiveScreen() {
    const QPoint pointer = QCursor::pos();
    QScreen* screen = nullptr;
    for (QScreen* candidate : QGuiApplication::screens()) {
        if (candidate->geometry().contains(pointer)) {
            screen = candidate;
            break;
        }
    }
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QRect visible = screen->availableGeometry();
    move(visible.left() + visible.width() / 2 - panelWidth / 2,
         visible.top() + visible.height() / 2 - panelHeight / 2 - placementLift);
}

void PickerPanel::refreshColors() {
    for (DynamicColorView* view : dynamicColorViews_) {
        view->refreshColor();
    }
    applyLabelColors();
}

void PickerPanel::showAndTakeKeyboard() {
    bringToFront(*this);
}

void PickerPanel::hideWindow() {
    hide();
}

#include "windows/SidebarRowView.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <utility>

#include "ui/Frame.h"
#include "ui/SymbolImage.h"
#include "ui/SystemColors.h"
#include "ui/WindowLook.h"

namespace {

constexpr int iconSize = 16;
constexpr double cornerRadius = 6;
constexpr double selectedTintAlpha = 0.16;

}  // namespace

SidebarRowView::SidebarRowView(const QString& title, std::string symbolName, QWidget* parent)
    : QWidget(parent),
      symbolName_(std::move(symbolName)),
      iconView_(new QLabel(this)),
      titleLabel_(makeLabel(title, systemFont(13), Qt::AlignLeft, this)) {
    iconView_->setAccessibleName(title);
    // Presses anywhere on the row belong to the row.
    iconView_->setAttribute(Qt::WA_TransparentForMouseEvents);
    titleLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    tintIcon();
    updateAppearance();
}

void SidebarRowView::updateAppearance() {
    backgroundColor_ = isSelected ? withAlpha(systemColor(SystemColor::controlAccent, palette()),
                                              selectedTintAlpha)
                                  : QColor(Qt::transparent);
    update();
}

void SidebarRowView::layOutSubviews() {
    place(*iconView_, Frame{8, (height() - iconSize) / 2, iconSize, iconSize});
    place(*titleLabel_, Frame{32, (height() - 16) / 2, width() - 40, 16});
}

void SidebarRowView::tintIcon() {
    iconView_->setPixmap(symbolImage(symbolName_, systemColor(SystemColor::label, palette()),
                                     iconSize, devicePixelRatioF()));
}

void SidebarRowView::mousePressEvent(QMouseEvent*) {
    if (onSelect) {
        onSelect();
    }
}

void SidebarRowView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOutSubviews();
}

void SidebarRowView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(backgroundColor_);
    painter.drawRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
}

void SidebarRowView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        tintIcon();
        updateAppearance();
    }
}

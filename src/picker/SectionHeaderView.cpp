#include "picker/SectionHeaderView.h"

#include <QEvent>

#include "ui/Frame.h"
#include "ui/SystemColors.h"

SectionHeaderView::SectionHeaderView(QWidget* parent)
    : QWidget(parent), titleLabel_(new QLabel(this)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font = titleLabel_->font();
    font.setPixelSize(13);
    font.setBold(true);
    titleLabel_->setFont(font);
    applyColors();
}

void SectionHeaderView::setTitle(const QString& title) {
    title_ = title;
    titleLabel_->setText(title);
}

void SectionHeaderView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place(*titleLabel_, Frame{12, 4, width() - 24, 18});
}

void SectionHeaderView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        applyColors();
    }
}

void SectionHeaderView::applyColors() {
    QPalette colors = titleLabel_->palette();
    colors.setColor(QPalette::WindowText, systemColor(SystemColor::secondaryLabel, palette()));
    titleLabel_->setPalette(colors);
}

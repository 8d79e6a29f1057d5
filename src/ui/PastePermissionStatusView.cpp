#include "ui/PastePermissionStatusView.h"

#include <QEvent>
#include <QLabel>
#include <algorithm>

#include "ui/Frame.h"
#include "ui/StatusColors.h"
#include "ui/SymbolImage.h"
#include "ui/SystemColors.h"

namespace {

constexpr int iconSize = 18;
constexpr int iconGap = 6;

QColor tintOf(StatusTone tone, const QPalette& palette) {
    switch (tone) {
        case StatusTone::success:
            return statusGreen;
        case StatusTone::attention:
            return statusOrange;
        case StatusTone::neutral:
            break;
    }
    return systemColor(SystemColor::secondaryLabel, palette);
}

QColor textColorOf(StatusTone tone, const QPalette& palette) {
    return tone == StatusTone::neutral ? systemColor(SystemColor::secondaryLabel, palette)
                                       : palette.color(QPalette::WindowText);
}

}  // namespace

PastePermissionStatusView::PastePermissionStatusView(QWidget* parent)
    : QWidget(parent), iconView_(new QLabel(this)), label_(new QLabel(this)) {
    label_->setTextFormat(Qt::PlainText);
    QFont font = label_->font();
    font.setPixelSize(13);
    font.setWeight(QFont::Medium);
    label_->setFont(font);
}

void PastePermissionStatusView::display(std::string_view symbol, StatusTone tone,
                                        const QString& text) {
    shown_ = Shown{std::string(symbol), tone, text};
    iconView_->setPixmap(
        symbolImage(symbol, tintOf(tone, palette()), iconSize, devicePixelRatioF()));
    label_->setText(text);
    QPalette labelPalette = label_->palette();
    labelPalette.setColor(QPalette::WindowText, textColorOf(tone, palette()));
    label_->setPalette(labelPalette);
    layOut();
}

void PastePermissionStatusView::layOut() {
    label_->adjustSize();
    const int textWidth = label_->width();
    const int x = std::max(0, (width() - (textWidth + iconSize + iconGap)) / 2);
    place(*iconView_, Frame{x, (height() - iconSize) / 2, iconSize, iconSize});
    place(*label_, Frame{x + iconSize + iconGap, (height() - label_->height()) / 2, textWidth,
                         label_->height()});
}

void PastePermissionStatusView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
}

void PastePermissionStatusView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && shown_) {
        const Shown shown = *shown_;
        display(shown.symbol, shown.tone, shown.text);
    }
}

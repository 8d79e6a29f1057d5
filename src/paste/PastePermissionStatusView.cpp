#include "paste/PastePermissionStatusView.h"

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

struct StatusRow {
    const char* symbol;
    QColor tint;
    QString text;
    QColor textColor;
};

StatusRow rowFor(PastePermission::State state, const QPalette& palette) {
    using PastePermission::State;
    const QColor label = palette.color(QPalette::WindowText);
    const QColor secondary = systemColor(SystemColor::secondaryLabel, palette);
    switch (state) {
        case State::granted:
            return {"checkmark.circle.fill", statusGreen, QStringLiteral("Zembril can paste"),
                    label};
        case State::needsAccessibility:
            return {"circle", secondary, QStringLiteral("Not allowed yet"), secondary};
        case State::needsRestart:
            return {"arrow.clockwise.circle.fill", statusOrange,
                    QStringLiteral("Almost there: restart Zembril to finish"), label};
    }
    return {"circle", secondary, QString(), secondary};
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

void PastePermissionStatusView::update(PastePermission::State state) {
    state_ = state;
    const StatusRow row = rowFor(state, palette());
    iconView_->setPixmap(symbolImage(row.symbol, row.tint, iconSize, devicePixelRatioF()));
    label_->setText(row.text);
    QPalette labelPalette = label_->palette();
    labelPalette.setColor(QPalette::WindowText, row.textColor);
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
    if (event->type() == QEvent::PaletteChange && state_) {
        update(*state_);
    }
}

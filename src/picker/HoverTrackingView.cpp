#include "picker/HoverTrackingView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "ui/EmojiFont.h"
#include "ui/SystemColors.h"

namespace {

constexpr qreal cornerRadius = 12;
constexpr int glyphPixelSize = 34;

}  // namespace

HoverTrackingView::HoverTrackingView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void HoverTrackingView::setGlyph(const QString& glyph) {
    if (glyph != glyph_) {
        glyph_ = glyph;
        update();
    }
}

void HoverTrackingView::setBorder(const QColor& color, int width) {
    if (color != borderColor_ || width != borderWidth_) {
        borderColor_ = color;
        borderWidth_ = width;
        update();
    }
}

void HoverTrackingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    painter.fillPath(tile, withAlpha(systemColor(SystemColor::gray, palette()), 0.1));
    if (borderWidth_ > 0) {
        // The border lies inside the tile, as a layer's border does.
        const qreal inset = borderWidth_ / 2.0;
        QPainterPath border;
        border.addRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset),
                              cornerRadius - inset, cornerRadius - inset);
        painter.setPen(QPen(borderColor_, borderWidth_));
        painter.drawPath(border);
    }
    painter.setFont(emojiFont(glyphPixelSize));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, glyph_);
}

void HoverTrackingView::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (onHoverChange) {
        onHoverChange(true);
    }
}

void HoverTrackingView::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (onHoverChange) {
        onHoverChange(false);
    }
}

void HoverTrackingView::mousePressEvent(QMouseEvent* event) {
    // The grid decides what a press means.
    event->ignore();
}

#include "windows/SkinToneSwatchView.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

#include "ui/EmojiFont.h"
#include "ui/SystemColors.h"
#include "ui/WindowLook.h"

namespace {

constexpr double selectedBorderWidth = 2.5;
constexpr double plainBorderWidth = 1;
constexpr double selectedTintAlpha = 0.12;
constexpr int glyphHeight = 28;

}  // namespace

SkinToneSwatchView::SkinToneSwatchView(SkinTone tone, const QString& glyph, const Frame& frame,
                                       QWidget* parent)
    : QWidget(parent),
      tone_(tone),
      glyphLabel_(makeLabel(glyph, emojiFont(24), Qt::AlignHCenter, this)) {
    place(*this, frame);
    glyphLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    place(*glyphLabel_, Frame{0, (frame.height - glyphHeight) / 2, frame.width, glyphHeight});
    setToolTip(QString::fromUtf8(tone.displayName().data(),
                                 static_cast<qsizetype>(tone.displayName().size())));
    updateAppearance();
}

void SkinToneSwatchView::updateAppearance() {
    const QPalette& colors = palette();
    const QColor accent = systemColor(SystemColor::controlAccent, colors);
    borderWidth_ = isSelected ? selectedBorderWidth : plainBorderWidth;
    borderColor_ = isSelected ? accent : systemColor(SystemColor::separator, colors);
    backgroundColor_ = isSelected ? withAlpha(accent, selectedTintAlpha)
                                  : systemColor(SystemColor::controlBackground, colors);
    update();
}

void SkinToneSwatchView::mousePressEvent(QMouseEvent*) {
    if (onSelect) {
        onSelect(tone_);
    }
}

void SkinToneSwatchView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // A circle, its border inside the bounds over the fill, as a layer draws it.
    const QRectF bounds(rect());
    painter.setPen(Qt::NoPen);
    painter.setBrush(backgroundColor_);
    painter.drawEllipse(bounds);
    const double inset = borderWidth_ / 2;
    painter.setPen(QPen(borderColor_, borderWidth_));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(bounds.adjusted(inset, inset, -inset, -inset));
}

void SkinToneSwatchView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        updateAppearance();
    }
}

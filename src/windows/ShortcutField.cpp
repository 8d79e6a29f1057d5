#include "windows/ShortcutField.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include "ui/Frame.h"
#include "ui/KeyEventTranslation.h"
#include "ui/SystemColors.h"

namespace {

constexpr double cornerRadius = 8;
constexpr double borderWidth = 2;

QFont systemFont(const QFont& base, int pixelSize, bool bold) {
    QFont font = base;
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void setTextColor(QLabel& label, const QColor& color) {
    QPalette colors = label.palette();
    colors.setColor(QPalette::WindowText, color);
    label.setPalette(colors);
}

}  // namespace

ShortcutField::ShortcutField(QWidget* parent) : QWidget(parent), label_(new QLabel(this)) {
    setFocusPolicy(Qt::ClickFocus);
    label_->setFont(systemFont(font(), 14, false));
    label_->setAlignment(Qt::AlignCenter);
    label_->setTextInteractionFlags(Qt::NoTextInteraction);
    refresh();
}

void ShortcutField::beginRecording() {
    isRecording_ = true;
    setFocus(Qt::OtherFocusReason);
    refresh();
}

void ShortcutField::refresh() {
    const QPalette& colors = palette();
    if (isRecording_) {
        // The font stays as it was: regular the first time, bold over an earlier shortcut.
        label_->setText(QStringLiteral("Press shortcut keys…"));
        setTextColor(*label_, systemColor(SystemColor::secondaryLabel, colors));
        borderColor_ = systemColor(SystemColor::controlAccent, colors);
        backgroundColor_ = withAlpha(systemColor(SystemColor::controlAccent, colors), 0.12);
    } else if (recordedHotkey_) {
        label_->setText(QString::fromStdString(recordedHotkey_->displayString));
        label_->setFont(systemFont(font(), 16, true));
        setTextColor(*label_, systemColor(SystemColor::label, colors));
        borderColor_ = withAlpha(systemColor(SystemColor::controlAccent, colors), 0.6);
        backgroundColor_ = systemColor(SystemColor::controlBackground, colors);
    } else {
        label_->setText(QStringLiteral("Click to record shortcut"));
        label_->setFont(systemFont(font(), 14, false));
        setTextColor(*label_, systemColor(SystemColor::secondaryLabel, colors));
        borderColor_ = systemColor(SystemColor::tertiaryLabel, colors);
        backgroundColor_ = systemColor(SystemColor::controlBackground, colors);
    }
    update();
}

bool ShortcutField::keyDown(const platform::KeyEvent& event) {
    if (!isRecording_) {
        return false;
    }
    if (event.keyCode == platform::keyCode::escape) {
        isRecording_ = false;
        refresh();
        return true;
    }
    const std::optional<Hotkey> hotkey = Hotkey::recordedFrom(event);
    if (!hotkey) {
        return true;
    }
    isRecording_ = false;
    recordedHotkey_ = hotkey;
    refresh();
    if (onRecorded) {
        onRecorded(*hotkey);
    }
    return true;
}

bool ShortcutField::event(QEvent* event) {
    // While recording every key is a candidate shortcut: Tab must not move the focus, nor an
    // application shortcut take the key first.
    if (isRecording_ && event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (isRecording_ && event->type() == QEvent::KeyPress) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

void ShortcutField::keyPressEvent(QKeyEvent* event) {
    if (!keyDown(keyEventFrom(*event))) {
        QWidget::keyPressEvent(event);
    }
}

void ShortcutField::mousePressEvent(QMouseEvent*) {
    beginRecording();
}

void ShortcutField::focusOutEvent(QFocusEvent* event) {
    // Only another view taking the focus ends recording; the window losing the keyboard to
    // another program, or a popup opening, leaves the field as it is.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        isRecording_ = false;
        refresh();
    }
    QWidget::focusOutEvent(event);
}

void ShortcutField::resizeEvent(QResizeEvent*) {
    place(*label_, Frame{12, (height() - 22) / 2, width() - 24, 22});
}

void ShortcutField::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The border lies inside the bounds, over the background, as a layer draws it.
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    painter.fillPath(outline, backgroundColor_);
    const double inset = borderWidth / 2;
    painter.setPen(QPen(borderColor_, borderWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset),
                            cornerRadius - inset, cornerRadius - inset);
}

void ShortcutField::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        refresh();
    }
    QWidget::changeEvent(event);
}

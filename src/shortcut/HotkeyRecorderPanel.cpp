#include "shortcut/HotkeyRecorderPanel.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <utility>

#include "ui/Frame.h"
#include "ui/KeyEventTranslation.h"
#include "ui/SystemColors.h"
#include "ui/WindowLook.h"

HotkeyRecorderPanel::HotkeyRecorderPanel()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      label_(new QLabel(QStringLiteral("Press new shortcut…  (Esc to cancel)"), this)) {
    setFixedSize(panelWidth, panelHeight);
    setWindowTitle(QStringLiteral("Zembril"));
    // The window background colour of the current scheme, with the label in its text colour.
    setAutoFillBackground(true);
    QFont font = label_->font();
    font.setPixelSize(13);
    label_->setFont(font);
    label_->setAlignment(Qt::AlignCenter);
    label_->setTextInteractionFlags(Qt::NoTextInteraction);
    place(*label_, Frame{20, 30, 320, 30});
}

void HotkeyRecorderPanel::centerOnActiveScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect visible = screen->availableGeometry();
    move(visible.left() + visible.width() / 2 - width() / 2,
         visible.top() + visible.height() / 2 - height() / 2);
}

void HotkeyRecorderPanel::showAndActivate() {
    bringToFront(*this);
}

void HotkeyRecorderPanel::keyDown(const platform::KeyEvent& event) {
    const std::uint32_t mask = Hotkey::carbonModifiersFrom(event.modifierFlags);
    if (event.keyCode == platform::keyCode::escape && mask == 0) {
        finish(std::nullopt);
        return;
    }
    if (std::optional<Hotkey> hotkey = Hotkey::recordedFrom(event)) {
        finish(std::move(hotkey));
    }
}

void HotkeyRecorderPanel::finish(std::optional<Hotkey> hotkey) {
    hide();
    // Cleared before the call: the owner may drop the panel from inside its completion.
    const auto done = std::exchange(completion, nullptr);
    if (done) {
        done(std::move(hotkey));
    }
}

bool HotkeyRecorderPanel::event(QEvent* event) {
    // Every key is a candidate shortcut: Tab must not move the focus, nor an application
    // shortcut take the key first.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

void HotkeyRecorderPanel::keyPressEvent(QKeyEvent* event) {
    keyDown(keyEventFrom(*event));
}

void HotkeyRecorderPanel::mousePressEvent(QMouseEvent* event) {
    moveByBackground(*this, *event);
}

void HotkeyRecorderPanel::paintEvent(QPaintEvent*) {
    // Without a window frame or shadow, a thin outline keeps the panel apart from a window of
    // the same colour behind it.
    QPainter painter(this);
    painter.setPen(systemColor(SystemColor::separator, palette()));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

#include "ui/TitledWindow.h"

#include <QEvent>
#include <QMouseEvent>

#include "ui/WindowLook.h"

TitledWindow::TitledWindow() : QWidget(nullptr, titledWindowFlags) {}

void TitledWindow::addSecondaryText(QWidget& text) {
    secondaryTexts_.push_back(&text);
    setSecondaryTextColor(text, palette());
}

void TitledWindow::colourSecondaryTexts() {
    for (QWidget* text : secondaryTexts_) {
        setSecondaryTextColor(*text, palette());
    }
}

void TitledWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        colourSecondaryTexts();
    }
}

void TitledWindow::mousePressEvent(QMouseEvent* event) {
    if (!moveByBackground(*this, *event)) {
        QWidget::mousePressEvent(event);
    }
}

#include "menubar/ClickableView.h"

#include <QMouseEvent>

ClickableView::ClickableView(QWidget* parent) : QWidget(parent) {
    setShowsPointingHand(true);
}

void ClickableView::setShowsPointingHand(bool shows) {
    showsPointingHand_ = shows;
    if (shows) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
}

void ClickableView::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (onClick) {
        onClick();
    }
}

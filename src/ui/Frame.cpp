#include "ui/Frame.h"

#include <QWidget>

QRect toQtRect(const Frame& frame, int parentHeight) {
    return QRect(frame.x, parentHeight - frame.y - frame.height, frame.width, frame.height);
}

Frame fromQtRect(const QRect& rect, int parentHeight) {
    return Frame{rect.x(), parentHeight - rect.y() - rect.height(), rect.width(), rect.height()};
}

void place(QWidget& widget, const Frame& frame) {
    const QWidget* parent = widget.parentWidget();
    widget.setGeometry(toQtRect(frame, parent != nullptr ? parent->height() : frame.height));
}

Frame frameOf(const QWidget& widget) {
    const QWidget* parent = widget.parentWidget();
    return fromQtRect(widget.geometry(), parent != nullptr ? parent->height() : widget.height());
}

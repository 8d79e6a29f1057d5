#include "ui/DynamicColorView.h"

#include <QEvent>
#include <QPainter>

DynamicColorView::DynamicColorView(SystemColor color, std::optional<double> alphaOverride,
                                   QWidget* parent)
    : QWidget(parent), color_(color), alphaOverride_(alphaOverride) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    refreshColor();
}

void DynamicColorView::refreshColor() {
    const QColor base = systemColor(color_, palette());
    fill_ = alphaOverride_ ? withAlpha(base, *alphaOverride_) : base;
    update();
}

void DynamicColorView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), fill_);
}

void DynamicColorView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        refreshColor();
    }
}

#pragma once

#include <QRect>

class QWidget;

// A rectangle as the layouts are written: in points, its origin at the bottom-left corner of
// the parent, y growing upwards. Every view is laid out with such frames so the numbers can be
// read against the design; they become Qt's top-left rectangles only here.
struct Frame {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Frame&) const = default;
};

/// `frame` in Qt's coordinates inside a parent `parentHeight` points tall.
QRect toQtRect(const Frame& frame, int parentHeight);
/// The inverse of toQtRect, for checking where a view ended up.
Frame fromQtRect(const QRect& rect, int parentHeight);
/// Places `widget` at `frame` inside its parent (whose height must already be final).
void place(QWidget& widget, const Frame& frame);
/// Where `widget` sits inside its parent, as a bottom-left frame.
Frame frameOf(const QWidget& widget);

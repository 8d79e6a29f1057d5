#include <gtest/gtest.h>

#include <QWidget>

#include "ui/Frame.h"

namespace {

TEST(Frame, BottomLeftFramesBecomeTopLeftRectsAndBack) {
    const struct {
        Frame frame;
        int parentHeight;
        QRect rect;
    } cases[] = {
        {{0, 0, 100, 20}, 400, QRect(0, 380, 100, 20)},
        {{10, 380, 50, 20}, 400, QRect(10, 0, 50, 20)},
        {{16, 56, 592, 300}, 412, QRect(16, 56, 592, 300)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toQtRect(c.frame, c.parentHeight), c.rect);
        EXPECT_EQ(fromQtRect(c.rect, c.parentHeight), c.frame);
    }
}

TEST(Frame, PlacesAChildInsideItsParent) {
    QWidget parent;
    parent.resize(640, 412);
    QWidget child(&parent);
    place(child, Frame{16, 12, 608, 28});
    EXPECT_EQ(child.geometry(), QRect(16, 372, 608, 28));
    EXPECT_EQ(frameOf(child), (Frame{16, 12, 608, 28}));
}

}  // namespace

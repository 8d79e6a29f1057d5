#include "WindowsTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QWidget>

namespace windows_test {

QPalette Colors::palette() const {
    QPalette colors;
    colors.setColor(QPalette::Window, window);
    colors.setColor(QPalette::WindowText, text);
    colors.setColor(QPalette::Base, base);
    colors.setColor(QPalette::Text, text);
    colors.setColor(QPalette::Button, base);
    colors.setColor(QPalette::ButtonText, text);
    colors.setColor(QPalette::Highlight, accent);
    return colors;
}

QColor alpha(QColor color, double value) {
    color.setAlphaF(static_cast<float>(value));
    return color;
}

Frame frameOfChild(const QWidget& window, const char* name) {
    const auto* child = window.findChild<QWidget*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child != nullptr ? frameOf(*child) : Frame{};
}

void expectWrappedAt(const QLabel& label, const Frame& frame) {
    SCOPED_TRACE(label.objectName().toStdString());
    const Frame shown = frameOf(label);
    EXPECT_TRUE(label.wordWrap());
    EXPECT_EQ(shown.x, frame.x);
    EXPECT_EQ(shown.width, frame.width);
    EXPECT_EQ(shown.y + shown.height, frame.y + frame.height) << "the top edge";
    EXPECT_GE(shown.height, frame.height);
    EXPECT_LE(label.heightForWidth(shown.width), shown.height) << "the whole text shows";
}

void saveRender(QWidget& window, const QString& name) {
    QApplication::processEvents();
    EXPECT_TRUE(window.grab().save(QDir::current().filePath(name + ".png"))) << name.toStdString();
}

}  // namespace windows_test

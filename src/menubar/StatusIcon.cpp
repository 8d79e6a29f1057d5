#include "menubar/StatusIcon.h"

#include <QPainter>
#include <QPalette>
#include <algorithm>

#include "ui/SymbolImage.h"
#include "ui/SystemColors.h"

namespace {

// The sizes tray hosts ask for, from small panels to high-density ones.
constexpr int iconSizes[] = {16, 22, 24, 32, 48, 64};

QPixmap outlinedFace(const QColor& face, const QColor& outline, int size) {
    const QPixmap front = symbolImage("face.smiling", face, size, 1.0);
    const QPixmap back = symbolImage("face.smiling", outline, size, 1.0);
    if (front.isNull() || back.isNull()) {
        return {};
    }
    QPixmap image(size, size);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const int width = std::max(1, size / 16);
    for (int dx = -width; dx <= width; ++dx) {
        for (int dy = -width; dy <= width; ++dy) {
            painter.drawPixmap(dx, dy, back);
        }
    }
    painter.drawPixmap(0, 0, front);
    painter.end();
    return image;
}

}  // namespace

QIcon statusIcon(const QPalette& palette) {
    const QColor face = systemColor(SystemColor::label, palette);
    const QColor outline = systemColor(SystemColor::windowBackground, palette);
    QIcon icon;
    for (const int size : iconSizes) {
        const QPixmap image = outlinedFace(face, outline, size);
        if (!image.isNull()) {
            icon.addPixmap(image);
        }
    }
    return icon;
}

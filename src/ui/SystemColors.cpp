#include "ui/SystemColors.h"

#include <QPalette>

QColor systemColor(SystemColor color, const QPalette& palette) {
    switch (color) {
        case SystemColor::windowBackground:
            return palette.color(QPalette::Window);
        case SystemColor::separator:
            return withAlpha(palette.color(QPalette::WindowText), 0.15);
        case SystemColor::secondaryLabel:
            return withAlpha(palette.color(QPalette::WindowText), 0.6);
        case SystemColor::selectedContentBackground:
            return palette.color(QPalette::Highlight);
        case SystemColor::gray:
            return QColor(128, 128, 128);
        case SystemColor::label:
            return palette.color(QPalette::WindowText);
        case SystemColor::tertiaryLabel:
            return withAlpha(palette.color(QPalette::WindowText), 0.3);
        case SystemColor::controlAccent:
            return palette.color(QPalette::Highlight);
        case SystemColor::controlBackground:
            return palette.color(QPalette::Base);
    }
    return palette.color(QPalette::Window);
}

QColor withAlpha(QColor color, double alpha) {
    color.setAlphaF(static_cast<float>(alpha));
    return color;
}

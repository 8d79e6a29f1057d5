#pragma once

#include <QColor>
#include <QPixmap>
#include <string_view>

/// The symbol `name` (an SVG of the icons resource folder, drawn in black on transparent)
/// filled with `tint`, `size` points square at the screen's pixel ratio `pixelRatio`; a null
/// pixmap when the program ships no such symbol.
QPixmap symbolImage(std::string_view name, const QColor& tint, int size, qreal pixelRatio);

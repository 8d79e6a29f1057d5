#pragma once

#include <QColor>

class QPalette;

// The named colours the views are drawn with, taken from the current palette so that they
// follow a light or dark colour scheme.
enum class SystemColor {
    windowBackground,           // the window's own background
    separator,                  // thin lines between areas
    secondaryLabel,             // quieter text: hints, titles, the query line
    selectedContentBackground,  // the border of the chosen cell
    gray,                       // neutral fills such as the cells' background
    label,                      // ordinary text
    tertiaryLabel,              // faint text and outlines of empty controls
    controlAccent,              // the user's accent colour
    controlBackground,          // the inside of a control such as a text field
};

QColor systemColor(SystemColor color, const QPalette& palette);
/// `color` with its opacity replaced by `alpha`, from 0 to 1.
QColor withAlpha(QColor color, double alpha);

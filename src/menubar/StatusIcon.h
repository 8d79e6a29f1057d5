#pragma once

#include <QIcon>

class QPalette;

/// The status item's icon: a smiling face in the palette's text colour, outlined in its window
/// colour so that it stays readable on a panel of either scheme. Empty when the program ships
/// no face symbol.
QIcon statusIcon(const QPalette& palette);

#pragma once

#include <QFont>
#include <QPalette>
#include <QString>
#include <Qt>
#include <string_view>

struct Frame;
class QLabel;
class QMouseEvent;
class QWidget;

// What the welcome, permission and settings windows share: a titled, closable window of fixed
// size over a tinted background, moved by dragging that background.

/// The flags of a titled window with a close button and nothing else in its title bar.
inline constexpr Qt::WindowFlags titledWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

/// Fills `window` (whose size must be final) with the window background at 0.7 opacity.
void fillWithWindowBackground(QWidget& window);
/// The application font at `pixelSize` with `weight`.
QFont systemFont(int pixelSize, QFont::Weight weight = QFont::Normal);
/// `title` (UTF-8) as a push button shows it: an ampersand is itself, not a mnemonic marker.
QString buttonTitle(std::string_view title);
/// A plain-text label on one line.
QLabel* makeLabel(const QString& text, const QFont& font, Qt::Alignment alignment, QWidget* parent);
/// A plain-text label that wraps at its width and starts at its top.
QLabel* makeWrappingLabel(const QString& text, const QFont& font, Qt::Alignment alignment,
                          QWidget* parent);
/// Places the wrapping `label` at `frame`, taller when its text needs more lines at that width:
/// its top edge stays where the frame puts it and it grows downwards.
void placeWrapping(QLabel& label, const Frame& frame);
/// Gives `widget` the secondary label colour of `windowPalette` for its text, as a label or a
/// button.
void setSecondaryTextColor(QWidget& widget, const QPalette& windowPalette);
/// Centres `window` on the primary screen's available area.
void centerOnPrimaryScreen(QWidget& window);
/// Shows `window`, raises it and gives it the keyboard.
void bringToFront(QWidget& window);
/// Starts moving `window` with the pointer when `event` presses its background with the left
/// button; answers whether it did.
bool moveByBackground(QWidget& window, const QMouseEvent& event);

#pragma once

#include <QWidget>
#include <vector>

// The base of our titled windows (welcome, settings, permission): a window with a title and a
// close button, whose secondary texts follow the palette through light and dark, and which moves
// when its background is dragged.
class TitledWindow : public QWidget {
public:
    TitledWindow();

protected:
    /// Shows `text` (a label or a button, a child of this window) in the secondary text colour,
    /// now and after every palette change.
    void addSecondaryText(QWidget& text);

    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void colourSecondaryTexts();

    std::vector<QWidget*> secondaryTexts_;
};

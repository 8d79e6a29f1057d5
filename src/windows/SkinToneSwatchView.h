#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>

#include "catalogue/SkinTone.h"
#include "ui/Frame.h"

class QLabel;

// A round swatch that shows a raised hand in one skin tone. A press chooses the tone; the
// chosen swatch wears an accent ring and tint.
class SkinToneSwatchView final : public QWidget {
public:
    /// A swatch for `tone` showing `glyph`, placed at `frame` in `parent`.
    SkinToneSwatchView(SkinTone tone, const QString& glyph, const Frame& frame, QWidget* parent);

    /// Called with the swatch's tone when it is pressed.
    std::function<void(SkinTone)> onSelect;
    /// Whether the tone is the chosen one; updateAppearance() shows it.
    bool isSelected = false;

    /// Draws the ring and fill of the selected or the plain swatch.
    void updateAppearance();

    SkinTone tone() const { return tone_; }
    QLabel* glyphLabel() const { return glyphLabel_; }
    double borderWidth() const { return borderWidth_; }
    QColor borderColor() const { return borderColor_; }
    QColor backgroundColor() const { return backgroundColor_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    SkinTone tone_;
    QLabel* glyphLabel_;
    double borderWidth_ = 1;
    QColor borderColor_;
    QColor backgroundColor_;
};

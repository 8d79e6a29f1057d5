#pragma once

#include <QWidget>
#include <optional>

#include "ui/SystemColors.h"

// A plain rectangle filled with a named colour that follows the palette (light or dark).
class DynamicColorView final : public QWidget {
public:
    DynamicColorView(SystemColor color, std::optional<double> alphaOverride, QWidget* parent);

    /// Takes the colour afresh from the current palette.
    void refreshColor();
    /// The colour the view is filled with now.
    QColor fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    SystemColor color_;
    std::optional<double> alphaOverride_;
    QColor fill_;
};

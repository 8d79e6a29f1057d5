#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>

// A grid cell's view: a rounded tile with an emoji on it, which reports the pointer entering
// and leaving it and lets presses through to the grid.
class HoverTrackingView final : public QWidget {
public:
    explicit HoverTrackingView(QWidget* parent);

    /// Called with true when the pointer enters the view and false when it leaves.
    std::function<void(bool)> onHoverChange;

    void setGlyph(const QString& glyph);
    QString glyph() const { return glyph_; }
    void setBorder(const QColor& color, int width);
    QColor borderColor() const { return borderColor_; }
    int borderWidth() const { return borderWidth_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString glyph_;
    QColor borderColor_ = Qt::transparent;
    int borderWidth_ = 0;
};

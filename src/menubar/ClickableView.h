#pragma once

#include <QWidget>
#include <functional>

// A view that reports every mouse press on it, the first one included: the window it is in
// never takes the keyboard, so no click is spent on activating it.
class ClickableView final : public QWidget {
public:
    explicit ClickableView(QWidget* parent);

    /// Called on a mouse press anywhere on the view.
    std::function<void()> onClick;

    /// Whether the pointing-hand cursor covers the view; true when constructed.
    bool showsPointingHand() const { return showsPointingHand_; }
    void setShowsPointingHand(bool shows);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool showsPointingHand_ = false;
};

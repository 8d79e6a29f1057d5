#pragma once

#include <QLabel>
#include <QPropertyAnimation>
#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "menubar/ClickableView.h"
#include "menubar/NoticeController.h"
#include "menubar/NoticeView.h"

/// Where a notice `size` large goes on a screen whose visible frame is `visibleFrame`: centred,
/// its top edge 16 points below the frame's top.
QPoint noticeOrigin(const QRect& visibleFrame, const QSize& size);

// A transient notice at the top centre of the main screen: a bold title over a quieter detail
// line. It floats above other windows but never takes the keyboard, so the window the user
// types in stays active underneath, and its first click counts.
class NoticePanel final : public QWidget, private NoticeView {
public:
    static constexpr int panelWidth = 360;
    static constexpr int panelHeight = 56;
    static constexpr int cornerRadius = 12;

    NoticePanel();
    ~NoticePanel() override;

    /// Shows a notice for `duration`, replacing the one on screen; a click runs `onClick`.
    void show(const std::string& title, const std::string& detail,
              std::chrono::duration<double> duration, std::function<void()> onClick);

    ClickableView& clickableView() { return *clickableView_; }
    QLabel& titleLabel() { return *titleLabel_; }
    QLabel& detailLabel() { return *detailLabel_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void setContent(const std::string& title, const std::string& detail,
                    bool showsPointingHand) override;
    void moveToTopOfMainScreen() override;
    void orderFrontAtFullOpacity() override;
    void beginFadeOut(platform::Duration duration) override;
    void hideWindow() override;

    QLabel* makeLabel(int pixelSize, QFont::Weight weight);
    void applyLabelColors();

    ClickableView* clickableView_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QLabel* detailLabel_ = nullptr;
    QPropertyAnimation fade_;
    // Made last, once the views it drives exist.
    std::unique_ptr<NoticeController> controller_;
};

#pragma once

#include <string>

#include "platform/MainQueue.h"

// What the notice's logic asks of the panel that shows it.
class NoticeView {
public:
    NoticeView() = default;
    NoticeView(const NoticeView&) = delete;
    NoticeView& operator=(const NoticeView&) = delete;
    virtual ~NoticeView() = default;

    /// Replaces the texts, and shows the pointing-hand cursor over the notice or not.
    virtual void setContent(const std::string& title, const std::string& detail,
                            bool showsPointingHand) = 0;
    /// Places the panel at the top centre of the main screen, when there is one.
    virtual void moveToTopOfMainScreen() = 0;
    /// Shows the panel fully opaque in front of other windows, without taking the keyboard.
    virtual void orderFrontAtFullOpacity() = 0;
    /// Starts fading the panel to transparent over `duration`; the panel stays on screen.
    virtual void beginFadeOut(platform::Duration duration) = 0;
    /// Takes the panel off the screen at once.
    virtual void hideWindow() = 0;
};

#include "menubar/NoticeController.h"

#include <algorithm>
#include <utility>

#include "platform/Platform.h"

namespace {

void cancel(const std::shared_ptr<platform::WorkItem>& item) {
    if (item) {
        item->cancel();
    }
}

}  // namespace

NoticeController::NoticeController(NoticeView& view) : view_(view) {}

// The queue may outlive the notice; its pending work must not reach a view that is gone.
NoticeController::~NoticeController() {
    cancel(hideWorkItem_);
    cancel(fadeCompletion_);
}

void NoticeController::show(const std::string& title, const std::string& detail,
                            std::chrono::duration<double> duration, std::function<void()> onClick) {
    onClick_ = std::move(onClick);
    view_.setContent(title, detail, static_cast<bool>(onClick_));
    view_.moveToTopOfMainScreen();
    cancel(fadeCompletion_);
    view_.orderFrontAtFullOpacity();

    cancel(hideWorkItem_);
    hideWorkItem_ = platform::WorkItem::make([this] { fadeOut(); });
    const auto delay =
        std::max(std::chrono::round<platform::Duration>(duration), platform::Duration::zero());
    platform::mainQueue().asyncAfter(delay, hideWorkItem_);
}

void NoticeController::handleClick() {
    cancel(hideWorkItem_);
    cancel(fadeCompletion_);
    view_.hideWindow();
    // The action may show another notice, which replaces onClick_ while it runs.
    if (const auto action = onClick_) {
        action();
    }
}

void NoticeController::fadeOut() {
    view_.beginFadeOut(fadeDuration);
    fadeCompletion_ = platform::WorkItem::make([this] { view_.hideWindow(); });
    platform::mainQueue().asyncAfter(fadeDuration, fadeCompletion_);
}

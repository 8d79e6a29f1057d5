#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "menubar/NoticeView.h"
#include "platform/WorkItem.h"

// The life of a transient notice: shown at once, faded out after its duration and then hidden,
// or hidden at once by a click that runs its action. A new notice replaces the one on screen
// and stays for its own full duration, even when the old one was already fading.
class NoticeController {
public:
    static constexpr platform::Duration fadeDuration{300};

    explicit NoticeController(NoticeView& view);
    NoticeController(const NoticeController&) = delete;
    NoticeController& operator=(const NoticeController&) = delete;
    ~NoticeController();

    /// Shows `title` and `detail` for `duration`, then fades them out; a click runs `onClick`.
    void show(const std::string& title, const std::string& detail,
              std::chrono::duration<double> duration, std::function<void()> onClick);
    /// A mouse press anywhere on the notice.
    void handleClick();

private:
    void fadeOut();

    NoticeView& view_;
    std::function<void()> onClick_;
    std::shared_ptr<platform::WorkItem> hideWorkItem_;
    // The end of a fade under way. Cancelled by a newer notice, so an older notice's fade
    // never hides it.
    std::shared_ptr<platform::WorkItem> fadeCompletion_;
};

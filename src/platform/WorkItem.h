#pragma once

#include <functional>
#include <memory>

namespace platform {

// A piece of deferred work that can be cancelled until it has run.
class WorkItem {
public:
    explicit WorkItem(std::function<void()> work);
    WorkItem(const WorkItem&) = delete;
    WorkItem& operator=(const WorkItem&) = delete;

    static std::shared_ptr<WorkItem> make(std::function<void()> work);

    /// Keeps the work from running; has no effect once it has run.
    void cancel();
    bool isCancelled() const { return cancelled_; }
    /// Runs the work unless it was cancelled.
    void perform();

private:
    std::function<void()> work_;
    bool cancelled_ = false;
};

}  // namespace platform

#include "platform/WorkItem.h"

#include <utility>

namespace platform {

WorkItem::WorkItem(std::function<void()> work) : work_(std::move(work)) {}

std::shared_ptr<WorkItem> WorkItem::make(std::function<void()> work) {
    return std::make_shared<WorkItem>(std::move(work));
}

void WorkItem::cancel() {
    cancelled_ = true;
    // Drops whatever the work captured as soon as it can no longer run.
    work_ = nullptr;
}

void WorkItem::perform() {
    if (cancelled_ || !work_) {
        return;
    }
    work_();
}

}  // namespace platform

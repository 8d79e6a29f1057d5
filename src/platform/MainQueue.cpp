#include "platform/MainQueue.h"

namespace platform {

void MainQueue::asyncAfter(Duration delay, const std::shared_ptr<WorkItem>& item) {
    asyncAfter(delay, [item] { item->perform(); });
}

}  // namespace platform

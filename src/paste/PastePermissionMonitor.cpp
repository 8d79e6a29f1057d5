#include "paste/PastePermissionMonitor.h"

#include <chrono>
#include <utility>

#include "platform/Platform.h"

namespace {

constexpr platform::Duration pollInterval = std::chrono::seconds(1);

}  // namespace

PastePermissionMonitor::PastePermissionMonitor(std::function<void(PastePermission::State)> onChange)
    : onChange_(std::move(onChange)) {}

void PastePermissionMonitor::start() {
    if (timer_) {
        return;
    }
    poll();
    // The timer dies with the monitor, so its tick never outlives `this`.
    timer_ = platform::mainQueue().scheduleRepeating(pollInterval, [this] { poll(); });
}

void PastePermissionMonitor::stop() {
    timer_.reset();
    lastState_.reset();
}

void PastePermissionMonitor::poll() {
    const auto state = PastePermission::current();
    if (lastState_ == state) {
        return;
    }
    lastState_ = state;
    if (onChange_) {
        onChange_(state);
    }
}

#include "platform/fake/FakeWorkspace.h"

#include <utility>

namespace platform {

void FakeWorkspace::activate(const TargetWindow& window) {
    calls_.push_back("activate " + std::to_string(window.windowId));
}

void FakeWorkspace::openLink(const std::string& url) {
    calls_.push_back("open " + url);
}

void FakeWorkspace::launchNewInstance(std::function<void()> completion) {
    calls_.push_back("launch new instance");
    pendingLaunches_.push_back(std::move(completion));
}

void FakeWorkspace::terminate() {
    calls_.push_back("terminate");
}

void FakeWorkspace::completeLaunches() {
    auto launches = std::exchange(pendingLaunches_, {});
    for (auto& completion : launches) {
        completion();
    }
}

}  // namespace platform

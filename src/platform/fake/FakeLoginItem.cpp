#include "platform/fake/FakeLoginItem.h"

namespace platform {

void FakeLoginItem::registerItem() {
    calls_.push_back("register login item");
    if (!requestsFail) {
        currentStatus = LoginItemStatus::enabled;
    }
}

void FakeLoginItem::unregisterItem() {
    calls_.push_back("unregister login item");
    if (!requestsFail) {
        currentStatus = LoginItemStatus::notRegistered;
    }
}

}  // namespace platform

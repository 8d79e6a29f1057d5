#pragma once

#include "platform/LoginItem.h"
#include "platform/fake/FakeCallLog.h"

namespace platform {

// A login item whose status the test sets. Requests are logged as "register login item" and
// "unregister login item"; each changes the status unless the test made requests fail.
class FakeLoginItem final : public LoginItem {
public:
    explicit FakeLoginItem(FakeCallLog& calls) : calls_(calls) {}

    LoginItemStatus status() const override { return currentStatus; }
    void registerItem() override;
    void unregisterItem() override;

    LoginItemStatus currentStatus = LoginItemStatus::notRegistered;
    bool requestsFail = false;

private:
    FakeCallLog& calls_;
};

}  // namespace platform

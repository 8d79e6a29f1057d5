#pragma once

#include "platform/InputAccess.h"
#include "platform/fake/FakeCallLog.h"

namespace platform {

// Access answers that the test sets. The tests and requests are logged as "test trust",
// "test post events", "request trust" and "request post events".
class FakeInputAccess final : public InputAccess {
public:
    explicit FakeInputAccess(FakeCallLog& calls) : calls_(calls) {}

    bool isTrusted() const override;
    bool mayPostEvents() const override;
    void requestTrust() override;
    void requestPostEventAccess() override;

    bool trusted = true;
    bool postEventsAllowed = true;

private:
    FakeCallLog& calls_;
};

}  // namespace platform

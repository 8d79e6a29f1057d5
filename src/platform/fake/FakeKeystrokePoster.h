#pragma once

#include <functional>

#include "platform/KeystrokePoster.h"
#include "platform/fake/FakeCallLog.h"

namespace platform {

// Records keystrokes instead of posting them: "post ctrl+v", "post shift+insert", or with
// " failed" appended while `canPost` is false.
class FakeKeystrokePoster final : public KeystrokePoster {
public:
    explicit FakeKeystrokePoster(FakeCallLog& calls) : calls_(calls) {}

    bool postPaste(PasteKeystroke keystroke) override;

    bool canPost = true;

private:
    FakeCallLog& calls_;
};

}  // namespace platform

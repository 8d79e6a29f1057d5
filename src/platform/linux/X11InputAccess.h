#pragma once

#include "platform/InputAccess.h"
#include "platform/linux/XDisplayConnection.h"

namespace platform {

// Synthetic input on X11 goes through the XTEST extension, which reaches every X client; under
// Wayland an X client's synthetic keys never reach native windows, so there it is not trusted.
class X11InputAccess final : public InputAccess {
public:
    explicit X11InputAccess(const XDisplayConnection& display) : display_(display) {}

    bool isTrusted() const override;
    bool mayPostEvents() const override;
    void requestTrust() override;
    void requestPostEventAccess() override;

private:
    bool hasXTest() const;

    const XDisplayConnection& display_;
};

}  // namespace platform

#pragma once

#include <optional>

#include "platform/Workspace.h"
#include "platform/linux/XDisplayConnection.h"

namespace platform {

// Other programs' windows through the window manager's EWMH properties and messages, falling
// back to plain X focus when no EWMH window manager runs; links and this program through Qt.
class X11Workspace final : public Workspace {
public:
    explicit X11Workspace(const XDisplayConnection& display) : display_(display) {}
    ~X11Workspace() override;

    std::optional<TargetWindow> frontmostWindow() const override;
    void activate(const TargetWindow& window) override;
    void openLink(const std::string& url) override;
    void launchNewInstance(std::function<void()> completion) override;
    void terminate() override;

private:
    bool hasEwmhWindowManager() const;
    unsigned long serverTime();

    const XDisplayConnection& display_;
    // An unmapped window of our own whose property changes tell the server's current time.
    unsigned long clockWindow_ = 0;
};

}  // namespace platform

#pragma once

#include <vector>

#include "platform/Workspace.h"
#include "platform/fake/FakeCallLog.h"

namespace platform {

// A desktop whose frontmost window the test sets. Requests are logged as "activate 42",
// "open <url>", "launch new instance" and "terminate"; a launch completes when the test says.
class FakeWorkspace final : public Workspace {
public:
    explicit FakeWorkspace(FakeCallLog& calls) : calls_(calls) {}

    std::optional<TargetWindow> frontmostWindow() const override { return frontmost; }
    void activate(const TargetWindow& window) override;
    void openLink(const std::string& url) override;
    void launchNewInstance(std::function<void()> completion) override;
    void terminate() override;

    /// Runs the completions of the launches requested so far, oldest first.
    void completeLaunches();

    std::optional<TargetWindow> frontmost;

private:
    FakeCallLog& calls_;
    std::vector<std::function<void()>> pendingLaunches_;
};

}  // namespace platform

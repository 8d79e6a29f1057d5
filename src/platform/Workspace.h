#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace platform {

// A top-level window of another program, as it was when the user last worked in it.
struct TargetWindow {
    std::uint64_t windowId = 0;
    /// The process that owns the window, when the window tells.
    std::optional<std::int64_t> pid;
    /// The window's class and instance names (WM_CLASS), empty when it has none.
    std::string windowClass;
    std::string instanceName;

    bool operator==(const TargetWindow&) const = default;
};

// The desktop around the program: other programs' windows, links and this program's process.
class Workspace {
public:
    Workspace() = default;
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;
    virtual ~Workspace() = default;

    /// The window the user is working in, or nothing when none has the focus.
    virtual std::optional<TargetWindow> frontmostWindow() const = 0;
    /// Asks for `window` to come to the front and receive the keyboard; the outcome is unknown.
    virtual void activate(const TargetWindow& window) = 0;
    /// Opens `url` with the user's preferred program for it; the outcome is unknown.
    virtual void openLink(const std::string& url) = 0;
    /// Starts another instance of this program, then calls `completion` on the main thread,
    /// whether or not it started.
    virtual void launchNewInstance(std::function<void()> completion) = 0;
    /// Ends this program once the current event has been handled.
    virtual void terminate() = 0;
};

}  // namespace platform

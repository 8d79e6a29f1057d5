#pragma once

namespace platform {

// A timer that fires repeatedly on the main thread until it is invalidated or destroyed.
class RepeatingTimer {
public:
    RepeatingTimer() = default;
    RepeatingTimer(const RepeatingTimer&) = delete;
    RepeatingTimer& operator=(const RepeatingTimer&) = delete;
    virtual ~RepeatingTimer() = default;

    /// Stops the timer for good.
    virtual void invalidate() = 0;
    /// Whether the timer still fires.
    virtual bool isValid() const = 0;
};

}  // namespace platform

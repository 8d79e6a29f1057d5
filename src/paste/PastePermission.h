#pragma once

#include <functional>
#include <optional>

// Whether the session lets the program paste into other programs, and the ways to ask for it.
namespace PastePermission {

enum class State {
    /// Trusted and allowed to post events: pasting works.
    granted,
    /// Not trusted to drive other programs' input.
    needsAccessibility,
    /// Trusted, but this process may not post events yet; a new one will.
    needsRestart,
};

/// The state now, tested afresh.
State current();

/// Asks for access: prompts the first time, opens the help on allowing pasting afterwards.
void requestAccess();
/// Records that access was requested, then asks the session for trust and for posting events.
void request();
/// Asks for posting events, then opens the help page on allowing pasting, when it ships.
void openSettings();

/// Stores the mode to resume in, runs `beforeLaunch`, starts a new instance of the program
/// and ends this one once that start was requested. Returns at once.
void relaunch(bool isOnboarding, const std::function<void()>& beforeLaunch);
/// The mode a relaunch stored, removed so that it resumes exactly one start; none when absent.
std::optional<bool> consumeResume();

}  // namespace PastePermission

#pragma once

#include <optional>
#include <string>

namespace platform {

/// Why Qt would find no X display to show windows on, in a sentence for the user; none when the
/// display in $DISPLAY answers, or when $QT_QPA_PLATFORM names a platform other than X11 (the
/// offscreen one of the tests, for instance), which then decides for itself. Asked before the
/// application object exists, since Qt ends the program without a display.
std::optional<std::string> displayProblem();

}  // namespace platform

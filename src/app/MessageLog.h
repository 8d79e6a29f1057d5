#pragma once

#include <cstdint>
#include <filesystem>

// Where Qt's messages and the program's own go. A tray utility started by the desktop has no one
// reading its terminal, so warnings and errors are kept in a log file the user can attach to a
// bug report, and printed only when asked for. Debug and info messages go nowhere. Fatal
// messages always reach standard error too, since the program ends right after them.
namespace message_log {

/// Where the log is kept: zembril/zembril.log in the user's state folder.
std::filesystem::path defaultFile();
/// How large the log grows before it is set aside as `<file>.1`.
inline constexpr std::uintmax_t defaultCapacity = 512 * 1024;

/// Sends every later message to `file` (and to standard error with `verbose`), from any thread.
/// Installing again replaces the earlier log.
void install(const std::filesystem::path& file, std::uintmax_t capacity, bool verbose);

}  // namespace message_log

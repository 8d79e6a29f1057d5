#pragma once

#include <string_view>

// Moments a benchmark measures between: written, with the monotonic clock, to the file that
// ZEMBRIL_TIMING_LOG names, and nowhere at all when it is unset.
namespace timing {

/// Whether a benchmark asked for the moments.
bool enabled();
/// Appends "`name` <nanoseconds>" to the log.
void mark(std::string_view name);

}  // namespace timing

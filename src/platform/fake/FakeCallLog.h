#pragma once

#include <string>
#include <vector>

namespace platform {

// What the recording fakes were asked to do, one line per request in the order asked. The
// fakes share one log, so a test sees the order of requests across services.
using FakeCallLog = std::vector<std::string>;

}  // namespace platform

#include "app/TimingLog.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace timing {
namespace {

std::FILE* logFile() {
    static std::FILE* const file = [] {
        const char* path = std::getenv("ZEMBRIL_TIMING_LOG");
        return path != nullptr && *path != '\0' ? std::fopen(path, "a") : nullptr;
    }();
    return file;
}

}  // namespace

bool enabled() {
    return logFile() != nullptr;
}

void mark(std::string_view name) {
    std::FILE* file = logFile();
    if (file == nullptr) {
        return;
    }
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::fprintf(file, "%.*s %lld\n", static_cast<int>(name.size()), name.data(),
                 static_cast<long long>(std::chrono::nanoseconds(now).count()));
    std::fflush(file);
}

}  // namespace timing

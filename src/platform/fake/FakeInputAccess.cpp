#include "platform/fake/FakeInputAccess.h"

namespace platform {

bool FakeInputAccess::isTrusted() const {
    calls_.push_back("test trust");
    return trusted;
}

bool FakeInputAccess::mayPostEvents() const {
    calls_.push_back("test post events");
    return postEventsAllowed;
}

void FakeInputAccess::requestTrust() {
    calls_.push_back("request trust");
}

void FakeInputAccess::requestPostEventAccess() {
    calls_.push_back("request post events");
}

}  // namespace platform

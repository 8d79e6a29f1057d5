#include "platform/fake/FakePlatform.h"

namespace platform {

FakePlatform::FakePlatform()
    : previous_(
          install(Services{.mainQueue = &queue, .defaults = &defaults, .resources = &resources})) {}

FakePlatform::~FakePlatform() {
    install(previous_);
}

}  // namespace platform

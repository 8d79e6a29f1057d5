#pragma once

#include "platform/Platform.h"
#include "platform/fake/FakeDefaultsStore.h"
#include "platform/fake/FakeMainQueue.h"
#include "platform/fake/FakeResourceLocator.h"

namespace platform {

// Every platform service as a fake, installed for as long as this object lives.
class FakePlatform {
public:
    FakePlatform();
    ~FakePlatform();
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    FakeMainQueue queue;
    FakeDefaultsStore defaults;
    FakeResourceLocator resources;

private:
    Services previous_;
};

}  // namespace platform

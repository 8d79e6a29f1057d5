#pragma once

#include "platform/Platform.h"
#include "platform/fake/FakeCallLog.h"
#include "platform/fake/FakeDefaultsStore.h"
#include "platform/fake/FakeHotkeyService.h"
#include "platform/fake/FakeInputAccess.h"
#include "platform/fake/FakeKeyboardLayout.h"
#include "platform/fake/FakeKeystrokePoster.h"
#include "platform/fake/FakeLoginItem.h"
#include "platform/fake/FakeMainQueue.h"
#include "platform/fake/FakePasteboard.h"
#include "platform/fake/FakeResourceLocator.h"
#include "platform/fake/FakeWorkspace.h"

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
    // What the recording fakes below were asked, in order.
    FakeCallLog calls;
    FakePasteboard pasteboard{calls};
    FakeWorkspace workspace{calls};
    FakeKeystrokePoster keystrokes{calls};
    FakeInputAccess inputAccess{calls};
    FakeHotkeyService hotkeys{calls};
    FakeLoginItem loginItem{calls};
    FakeKeyboardLayout keyboardLayout;

private:
    Services previous_;
};

}  // namespace platform

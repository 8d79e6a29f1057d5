#pragma once

#include "paste/PastePermission.h"
#include "platform/fake/FakePlatform.h"

// Makes the fake session answer the two access tests so that the paste permission reads
// `state` from now on.
inline void setPastePermission(platform::FakePlatform& platform, PastePermission::State state) {
    platform.inputAccess.trusted = state != PastePermission::State::needsAccessibility;
    platform.inputAccess.postEventsAllowed = state == PastePermission::State::granted;
}

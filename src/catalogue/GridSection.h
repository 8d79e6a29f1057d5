#pragma once

#include <string>
#include <vector>

#include "catalogue/EmojiEntry.h"

// A titled run of entries shown as one section of the picker's grid.
struct GridSection {
    std::string title;
    std::vector<EmojiEntry> entries;
};

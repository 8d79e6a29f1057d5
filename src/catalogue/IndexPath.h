#pragma once

#include <compare>

// The position of one grid cell: a section and an item within it.
struct IndexPath {
    int section = 0;
    int item = 0;

    auto operator<=>(const IndexPath&) const = default;
};

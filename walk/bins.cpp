// SPDX-License-Identifier: GPL-3.0-or-later
#include "walk/bins.h"

#include "walk/lattice.h"

#include <cmath>

namespace walk {

int linearBin(int X) {
    return (X >= -origin && X <= origin) ? X + origin : -1;
}

int distanceBin(float distance) {
    // As many bins as the origin is from a wall: the farthest corner a walk
    // reaches, (15, 15), lies in the last.
    for (int j = 1; j <= origin; ++j) {
        const float threshold = static_cast<float>(j * std::sqrt(2.0));
        if (distance < threshold)
            return j - 1;
    }
    return -1;
}

} // namespace walk

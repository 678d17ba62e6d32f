// SPDX-License-Identifier: GPL-3.0-or-later
#include "walk/move.h"

namespace walk {

Position moved(Position at, int a, bool plane, Walls walls) {
    auto [x, y] = at;
    switch (a) {
    case 1:
        if (x < walls.high)
            ++x;
        break;
    case 2:
        if (y > walls.low) {
            if (plane)
                --y;
            else
                ++x;
        }
        break;
    case 3:
        if (x > walls.low)
            --x;
        break;
    case 4:
        if (y < walls.high) {
            if (plane)
                ++y;
            else
                --x;
        }
        break;
    }
    return {x, y};
}

} // namespace walk

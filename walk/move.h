// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "walk/lattice.h"

namespace walk {

// A stored lattice position of the walker.
struct Position {
    int x;
    int y;
};

// The stored coordinates a wall test keeps the walker between. The left and
// upper walls stand at 1, not 0, so the walker reaches shown -14 but 15 on
// the other side.
struct Walls {
    int low = 1;
    int high = 2 * origin;
};

// Where one step in direction a (1 right, 2 up, 3 left, 4 down) takes the
// walker. The wall test comes first and a blocked step stays put. In linear
// movement 1 and 2 both go right and 3 and 4 both go left, each keeping its
// own wall test, so only 1 and 3 ever meet a wall there. The walls are
// those of the walk unless a caller moves them.
Position moved(Position at, int a, bool plane, Walls walls = {});

} // namespace walk

#pragma once

namespace walk {

// A stored lattice position of the walker.
struct Position {
    int x;
    int y;
};

// Where one step in direction a (1 right, 2 up, 3 left, 4 down) takes the
// walker. The wall test comes first and a blocked step stays put. In linear
// movement 1 and 2 both go right and 3 and 4 both go left, each keeping its
// own wall test, so only 1 and 3 ever meet a wall there.
Position moved(Position at, int a, bool plane);

} // namespace walk

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace walk {

// The frequency counter of a linear-movement trial that ended at x coordinate X,
// or -1 when X lies beyond -15..15.
int linearBin(int X);

// The frequency counter of a plane-movement trial at a final distance:
// the k with k*sqrt2 <= distance < (k+1)*sqrt2, or -1 when k would pass 14.
// Both sides are compared in single precision, which puts every reachable
// end point (X, Y) where 2k^2 <= X^2 + Y^2 < 2(k+1)^2 says it belongs.
int distanceBin(float distance);

} // namespace walk

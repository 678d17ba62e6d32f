// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "walk/lattice.h"
#include "walk/move.h"

#include <array>
#include <cstddef>
#include <vector>

namespace walk {

// An end point of a walk in shown coordinates, with its chance.
struct EndPoint {
    int X;
    int Y;
    double chance;
};

// Every end point that a walk of `steps` steps from the origin can reach,
// with its exact chance when the four directions are equally likely: the
// chances are carried forward one step at a time over the lattice through
// the walk's own move rule, so the walls block exactly as they do in a trial.
std::vector<EndPoint> endPoints(bool plane, int steps, Walls walls = {});

// The chance that a 30-step trial lands in each frequency counter, binned the way
// the recording bins it. Worked out on the first call for each mode, then kept.
const std::array<double, counterCount>& counterChances(bool plane);

// The trials theory expects in each of the counters 0..bars-1 when `counted`
// trials landed in one of them: the trials no bar counts are left out of
// both the count and the chances.
std::vector<double> expectedCounts(bool plane, std::size_t bars, double counted);

} // namespace walk

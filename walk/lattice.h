// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace walk {

// The walker's lattice is stored with the origin at (15, 15), between walls
// at 1 and 30 on each axis (move.h).
inline constexpr int origin = 15;
inline constexpr int stepsPerTrial = 30;
// An experiment's trials, one column of the results table each.
inline constexpr int trialsPerExperiment = 51;
// One frequency counter for each final x from -15 to 15; a plane trial's
// distance bins use the first 15 of them.
inline constexpr int counterCount = 2 * origin + 1;

// The trials counted by final x (linear movement) or by distance (plane
// movement), in single precision as the histograms draw them.
using Frequencies = std::array<float, counterCount>;

} // namespace walk

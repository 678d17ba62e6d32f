// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace platform {

// Reseeds the generator. Nearby seeds (times of day a step apart) give
// independent draws, because the seed is scrambled through a strong mix.
void randomize(float seed);

// The next uniform draw in [0, 1).
float rnd();

// Tests replace the draws with a source of their own; an empty function
// restores the generator.
void replaceDraws(std::function<float()> source);

} // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/random.h"

#include <bit>
#include <cstdint>

namespace platform {
namespace {

std::uint64_t state = 0;
std::function<float()> replacement;

// SplitMix64: every output bit depends on every state bit, so seeds that
// differ in their last bits still give unrelated sequences.
std::uint64_t next() {
    state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

void randomize(float seed) {
    state = std::bit_cast<std::uint32_t>(seed);
    next(); // scramble once so the first draw is already well mixed
}

float rnd() {
    if (replacement)
        return replacement();
    // 24 random bits fill a float's mantissa exactly: the result is below 1.
    return static_cast<float>(next() >> 40) * 0x1.0p-24f;
}

void replaceDraws(std::function<float()> source) {
    replacement = std::move(source);
}

} // namespace platform

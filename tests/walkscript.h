#pragma once

#include "platform/random.h"
#include "walk/walk.h"

#include <vector>

// Replaces the random draws so that steps go in the given directions (1..4),
// one per draw, cycling through the list.
inline void scriptDirections(std::vector<int> directions) {
    platform::replaceDraws([directions, next = std::size_t(0)]() mutable {
        const int a = directions[next++ % directions.size()];
        return (a - 1) / 4.0f + 0.1f;
    });
}

// A whole trial in column `trial`: preparation, 30 steps, then the recording tick.
inline void runTrial(walk::Walk& walk, int trial, std::vector<int> directions) {
    scriptDirections(std::move(directions));
    walk.ct = static_cast<std::int16_t>(trial);
    walk.command2Click();
    for (int tick = 0; tick < 31; ++tick)
        walk.timer1Tick();
    platform::replaceDraws({});
}

// Directions that end a linear walk at X = n (n even, |n| <= 30). Directions
// 2 and 4 move right and left there without meeting a wall.
inline std::vector<int> linearTo(int n) {
    std::vector<int> d(30, 4);
    for (int k = 0; k < 15 + n / 2; ++k)
        d[k] = 2;
    return d;
}

inline std::vector<int> repeat(std::vector<int> pattern, int times) {
    std::vector<int> d;
    for (int n = 0; n < times; ++n)
        d.insert(d.end(), pattern.begin(), pattern.end());
    return d;
}

inline std::vector<int> concat(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> d;
    for (const auto& part : parts)
        d.insert(d.end(), part.begin(), part.end());
    return d;
}

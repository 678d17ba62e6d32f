// SPDX-License-Identifier: GPL-3.0-or-later
#include "walk/enddistribution.h"

#include "walk/bins.h"
#include "walk/lattice.h"

#include <cmath>
#include <numeric>

namespace walk {

namespace {

std::array<double, counterCount> binned(const std::vector<EndPoint>& ends, bool plane) {
    std::array<double, counterCount> chances{};
    for (const EndPoint& end : ends) {
        // The distance in double precision, kept in single, as a recorded trial's is.
        const int bin = plane ? distanceBin(static_cast<float>(
                                    std::sqrt(double(end.X) * end.X + double(end.Y) * end.Y)))
                              : linearBin(end.X);
        if (bin >= 0)
            chances[bin] += end.chance;
    }
    return chances;
}

} // namespace

std::vector<EndPoint> endPoints(bool plane, int steps, Walls walls) {
    // A walk stays within `steps` of the origin on both axes: a square grid
    // around it holds every position it can reach.
    const int first = origin - steps;
    const int side = 2 * steps + 1;
    const auto cell = [&](Position p) { return (p.x - first) * side + (p.y - first); };
    std::vector<double> chance(side * side, 0.0);
    chance[cell({origin, origin})] = 1.0;

    for (int step = 0; step < steps; ++step) {
        std::vector<double> next(chance.size(), 0.0);
        for (int x = first; x < first + side; ++x)
            for (int y = first; y < first + side; ++y) {
                const double here = chance[cell({x, y})];
                if (here == 0.0)
                    continue;
                for (int a = 1; a <= 4; ++a)
                    next[cell(moved({x, y}, a, plane, walls))] += here / 4;
            }
        chance.swap(next);
    }

    std::vector<EndPoint> ends;
    for (int x = first; x < first + side; ++x)
        for (int y = first; y < first + side; ++y)
            if (const double c = chance[cell({x, y})]; c != 0.0)
                ends.push_back({x - origin, y - origin, c});
    return ends;
}

const std::array<double, counterCount>& counterChances(bool plane) {
    if (plane) {
        static const std::array<double, counterCount> planeChances =
            binned(endPoints(true, stepsPerTrial), true);
        return planeChances;
    }
    static const std::array<double, counterCount> linearChances =
        binned(endPoints(false, stepsPerTrial), false);
    return linearChances;
}

std::vector<double> expectedCounts(bool plane, std::size_t bars, double counted) {
    const std::array<double, counterCount>& chances = counterChances(plane);
    const double inBars = std::accumulate(chances.begin(), chances.begin() + bars, 0.0);
    std::vector<double> expected(bars);
    for (std::size_t k = 0; k < bars; ++k)
        expected[k] = counted * chances[k] / inBars;
    return expected;
}

} // namespace walk

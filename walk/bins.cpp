#include "walk/bins.h"

#include <cmath>

namespace walk {

int linearBin(int X) {
    return (X >= -15 && X <= 15) ? X + 15 : -1;
}

int distanceBin(float kyori) {
    for (int j = 1; j <= 15; ++j) {
        const float threshold = static_cast<float>(j * std::sqrt(2.0));
        if (kyori < threshold)
            return j - 1;
    }
    return -1;
}

} // namespace walk

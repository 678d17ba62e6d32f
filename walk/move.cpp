#include "walk/move.h"

namespace walk {

Position moved(Position at, int a, bool plane) {
    auto [x, y] = at;
    switch (a) {
    case 1:
        if (x < 30)
            ++x;
        break;
    case 2:
        if (y > 1) {
            if (plane)
                --y;
            else
                ++x;
        }
        break;
    case 3:
        if (x > 1)
            --x;
        break;
    case 4:
        if (y < 30) {
            if (plane)
                ++y;
            else
                --x;
        }
        break;
    }
    return {x, y};
}

} // namespace walk

#pragma once

#include <array>

namespace Module1 {

// freq: program-wide trial counts. In linear movement freq[X + 15] counts
// the trials that ended at x coordinate X (-15..15); in plane movement
// freq[k] (k = 0..14) counts those whose distance fell in [k*sqrt2, (k+1)*sqrt2).
inline std::array<float, 31> freq{};

} // namespace Module1

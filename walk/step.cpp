#include "walk/formats.h"
#include "walk/move.h"
#include "walk/walk.h"

#include "platform/random.h"
#include "platform/timeofday.h"

#include <cmath>

namespace walk {

void Walk::step() {
    // Reseeding from the clock before every draw is how the walk was meant
    // to sway: no two steps a tick apart share a seed.
    platform::randomize(platform::timeOfDay());
    const float r = platform::rnd();
    a = static_cast<std::int16_t>(std::floor(r * 4.0f) + 1);

    const Position to = moved({x, y}, a, plane());
    x = static_cast<std::int16_t>(to.x);
    y = static_cast<std::int16_t>(to.y);

    showPosition();
    m_panel.setCaption(Readout::Label6, decimal(caunt + 1));
    ++caunt;
}

} // namespace walk

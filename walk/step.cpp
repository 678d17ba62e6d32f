#include "walk/formats.h"
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

    const bool planeMode = plane();
    switch (a) {
    case 1:
        if (x < 30)
            ++x;
        break;
    case 2:
        if (y > 1) {
            if (planeMode)
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
            if (planeMode)
                ++y;
            else
                --x;
        }
        break;
    }

    m_panel.moveMarker(x, y);
    m_panel.setCaption(Readout::Label2, decimal(shownX()));
    m_panel.setCaption(Readout::Label4, decimal(shownY()));
    m_panel.setCaption(Readout::Label6, decimal(caunt + 1));
    ++caunt;
}

} // namespace walk

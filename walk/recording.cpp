#include "walk/bins.h"
#include "walk/formats.h"
#include "walk/module1.h"
#include "walk/walk.h"

#include <cmath>

namespace walk {

void Walk::record() {
    Timer1.setEnabled(false);
    const int X = shownX();
    const int Y = shownY();
    m_panel.setCell(Row::xz, ct, decimal(X));
    m_panel.setCell(Row::yz, ct, decimal(Y));
    const double d = std::sqrt(double(X) * X + double(Y) * Y);
    m_panel.setCell(Row::kr, ct, tenths(d));
    s = static_cast<float>(s + d);
    // The average is over the trials actually recorded, so a trial cut short
    // (its column left empty) cannot pull it down.
    ++recorded;
    m_panel.setCaption(Readout::Label74, tenths(s / static_cast<float>(recorded)));

    int bin = -1;
    if (plane()) {
        kyori = static_cast<float>(d);
        bin = distanceBin(kyori);
    } else {
        bin = linearBin(X);
    }
    if (bin >= 0)
        Module1::freq[bin] += 1.0f;
}

} // namespace walk

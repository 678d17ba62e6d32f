#include "walk/bins.h"
#include "walk/formats.h"
#include "walk/module1.h"
#include "walk/walk.h"

#include <cmath>

namespace walk {

QString Walk::average() const {
    return recorded > 0 ? tenths(s / static_cast<float>(recorded)) : QString();
}

void Walk::record() {
    Timer1.setEnabled(false);
    const int X = shownX();
    const int Y = shownY();
    const QString cellX = decimal(X);
    const QString cellY = decimal(Y);
    m_panel.setCell(Row::xz, ct, cellX);
    m_panel.setCell(Row::yz, ct, cellY);
    const double d = std::sqrt(double(X) * X + double(Y) * Y);
    const QString distance = tenths(d);
    m_panel.setCell(Row::kr, ct, distance);
    s = static_cast<float>(s + d);
    // The average is over the trials actually recorded, so a trial cut short
    // (its column left empty) cannot pull it down.
    ++recorded;
    const QString mean = average();
    m_panel.setCaption(Readout::Label74, mean);
    m_panel.announce(QStringLiteral("Trial %1: x %2, y %3, distance %4. Average %5.")
                         .arg(decimal(ct), cellX, cellY, distance, mean));

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

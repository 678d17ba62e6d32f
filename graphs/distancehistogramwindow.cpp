// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/distancehistogramwindow.h"

#include "platform/drawingsurface.h"
#include "platform/fonts.h"
#include "platform/palette.h"
#include "walk/formats.h"

#include <QCoreApplication>
#include <QPushButton>

#include <cmath>

namespace {

// Bar k holds the distances from k * sqrt2 up to, not including, (k + 1) * sqrt2.
QString distanceRange(std::size_t k) {
    const double step = std::sqrt(2.0);
    //: A bar of the distance histogram, named by the distances it counts.
    return QCoreApplication::translate("DistanceHistogramWindow", "distance %1 to %2")
        .arg(walk::oneDecimal(k * step), walk::oneDecimal((k + 1) * step));
}

} // namespace

DistanceHistogramWindow::DistanceHistogramWindow(const walk::Frequencies& frequencies)
    : GraphWindow("distanceHistogramWindow", frequencies, 6435, 21,
                  tr("Histogram of the distance from the origin"), distanceRange, true) {
    m_closeButton->setFont(platform::gothic(9.75));
    // Here the button comes first in the tab order and starts with the focus.
    m_closeButton->setFocus();
}

// Distance runs linearly along x = 3 + d / sqrt2; the axis labels name
// every second bar boundary, in multiples of 1.4.
void DistanceHistogramWindow::drawChart() {
    const QColor black = platform::qbColor(0);
    m_surface->line({2, 35}, {19, 35}, black);
    printAt(11, 2, tr("(Horizontal axis : Distance from the origin)"));
    m_surface->line({2, 1}, {2, 35}, black);
    for (int n = 30; n >= 5; n -= 5)
        m_surface->line({1.8, double(n)}, {2.2, double(n)}, black);

    printCounts(1, {"30", "25", "20", "15", "10", " 5"});
    printAt(3, 2, tr("(Frequency)"));

    dashRows(2, 18);

    // Every second boundary, 1.4 apart, with the language's decimal point.
    const double boundaries[] = {1.4, 4.2, 7.0, 9.8, 12.6, 15.4, 18.2, 21.0};
    double x = 3.7;
    for (double boundary : boundaries) {
        printUnderAxis(x, walk::oneDecimal(boundary));
        x += 2;
    }

    drawBars(walk::origin); // one bar per distance bin (walk/bins.h)
}

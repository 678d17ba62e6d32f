// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/distancehistogramwindow.h"

#include "platform/drawingsurface.h"
#include "platform/fonts.h"
#include "platform/palette.h"

#include <QPushButton>

#include <cmath>

namespace {

// Bar k holds the distances from k * sqrt2 up to, not including, (k + 1) * sqrt2.
QString distanceRange(std::size_t k) {
    const double step = std::sqrt(2.0);
    return QStringLiteral("distance %1 to %2")
        .arg(QString::number(k * step, 'f', 1), QString::number((k + 1) * step, 'f', 1));
}

} // namespace

DistanceHistogramWindow::DistanceHistogramWindow(const walk::Frequencies& frequencies)
    : GraphWindow("distanceHistogramWindow", frequencies, 6435, 21,
                  QStringLiteral("Histogram of the distance from the origin"), distanceRange,
                  true) {
    m_closeButton->setFont(platform::gothic(9.75));
    // Here the button comes first in the tab order and starts with the focus.
    m_closeButton->setFocus();
}

// Distance runs linearly along x = 3 + d / sqrt2; the axis labels name
// every second bar boundary, in multiples of 1.4.
void DistanceHistogramWindow::drawChart() {
    const QColor black = platform::qbColor(0);
    m_surface->line({2, 35}, {19, 35}, black);
    printAt(11, 2, QStringLiteral("(Horizontal axis : Distance from the origin)"));
    m_surface->line({2, 1}, {2, 35}, black);
    for (int n = 30; n >= 5; n -= 5)
        m_surface->line({1.8, double(n)}, {2.2, double(n)}, black);

    printCounts(1, {"30", "25", "20", "15", "10", " 5"});
    printAt(3, 2, QStringLiteral("(Frequency)"));

    dashRows(2, 18);

    const struct {
        double x;
        const char* text;
    } distances[] = {{3.7, "1.4"},   {5.7, "4.2"},   {7.7, "7.0"},   {9.7, "9.8"},
                     {11.7, "12.6"}, {13.7, "15.4"}, {15.7, "18.2"}, {17.7, "21.0"}};
    for (const auto& label : distances)
        printUnderAxis(label.x, QString::fromLatin1(label.text));

    drawBars(walk::origin); // one bar per distance bin (walk/bins.h)
}

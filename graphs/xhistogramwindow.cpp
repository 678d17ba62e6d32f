// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/xhistogramwindow.h"

#include "platform/drawingsurface.h"
#include "platform/palette.h"
#include "walk/formats.h"

#include <QCoreApplication>
#include <QPushButton>

namespace {

QString finalX(std::size_t k) {
    //: A bar of the x histogram, named by its final x coordinate.
    return QCoreApplication::translate("XHistogramWindow", "x %1")
        .arg(walk::decimal(static_cast<int>(k) - walk::origin));
}

} // namespace

XHistogramWindow::XHistogramWindow(const walk::Frequencies& frequencies)
    : GraphWindow("xHistogramWindow", frequencies, 6465, 37,
                  tr("Histogram of the final x coordinate"), finalX, false) {
    // First of the two in the tab order, so it starts with the focus.
    m_surface->setFocus();
}

// The vertical axis stands in the middle of the bar for X = 0, with the
// count labels just right of it, where the grid rows leave a gap.
void XHistogramWindow::drawChart() {
    const QColor black = platform::qbColor(0);
    m_surface->line({2, 35}, {35, 35}, black);
    m_surface->line({18.5, 35}, {18.5, 1}, black);
    for (int n = 30; n >= 5; n -= 5)
        m_surface->line({18, double(n)}, {18.5, double(n)}, black);
    printAt(12, 1, tr("(Frecuency)"));

    printCounts(19.3, {"30", "25", "20", "15", "10", "5"});
    printAt(24, 1, tr("(Horizontal axis : x coordinate)"));
    printAt(35, 33.5, QStringLiteral("ｘ"));

    dashRows(2, 18);
    dashRows(21, 35);

    const struct {
        double x;
        const char* text;
    } xs[] = {{6, "-12"},  {10.3, "-8"}, {14.3, "-4"}, {18.3, "0"},
              {22.3, "4"}, {26.3, "8"},  {30, "12"}};
    for (const auto& label : xs)
        printUnderAxis(label.x, QString::fromLatin1(label.text));

    drawBars(walk::counterCount);
}

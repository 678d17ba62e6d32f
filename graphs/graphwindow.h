// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/surfacewindow.h"
#include "walk/lattice.h"

#include <QString>

#include <array>
#include <cstddef>
#include <vector>

class QAction;

// A histogram window: a "Close" button over a separator, and the bar chart
// below them, drawn afresh from the experiment's counters on every
// activation. Closing the window destroys it.
//
// For the lesson after an experiment, Ctrl+C copies the bars as a table, and
// the chart's context menu (or the key E) marks on each bar the count that
// theory expects; both leave the chart as designed until the user asks.
class GraphWindow : public platform::SurfaceWindow {
    Q_OBJECT
public:
    QAction* showExpected() const { return m_showExpected; }

protected:
    // Bar k in the horizontal axis's own terms, as a screen reader says it.
    using BarName = QString (*)(std::size_t k);

    // clientHeight in twips; scaleWidth is the chart's width in its own units,
    // its height being 37 in both charts. chartName and barName are what a
    // screen reader calls the chart and its bars; planeMovement names the
    // mode whose trials the bars count.
    GraphWindow(const char* name, const walk::Frequencies& frequencies, int clientHeight,
                double scaleWidth, const QString& chartName, BarName barName, bool planeMovement);

    void activate() final;
    virtual void drawChart() = 0;

    void printAt(double x, double y, const QString& text);
    // The labels of the grid rows 5 to 30, from the top, each half a unit above its row.
    void printCounts(double x, const std::array<const char*, 6>& texts);
    // One text line below y = 34, just under the horizontal axis.
    void printUnderAxis(double x, const QString& text);
    // Dashes 0.3 long from x = firstI to lastI on each grid row.
    void dashRows(int firstI, int lastI);
    // Bars 0..count - 1 of the frequencies, one unit wide from x = 3, one unit per trial,
    // with the expected counts over them when they are shown.
    void drawBars(std::size_t count);

private:
    void redraw();
    // A short line across each bar at its expected count, over the bars.
    void markExpected(const std::vector<double>& expected);
    // The bars drawn that are not empty, or, with the expected counts shown,
    // those that are not empty or not expected to be.
    void describeBars(const std::vector<double>& expected);
    void copyBars();

    QAction* m_showExpected; // "Show expected counts", off when the window opens
    const walk::Frequencies& m_frequencies;
    BarName m_barName;
    bool m_planeMovement;
    std::vector<float> m_drawn; // the counts the bars were last drawn with
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/graphwindow.h"

// The histogram (Form3) of the final distances of plane-movement trials,
// one bar per range of width sqrt2 from 0 to 15 * sqrt2.
class DistanceHistogramWindow : public GraphWindow {
    Q_OBJECT
public:
    explicit DistanceHistogramWindow(const walk::Frequencies& frequencies);

protected:
    void drawChart() override;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/graphwindow.h"

// The histogram (Form2) of the final x coordinates of linear-movement
// trials, one bar per X from -15 to 15.
class XHistogramWindow : public GraphWindow {
    Q_OBJECT
public:
    explicit XHistogramWindow(const walk::Frequencies& frequencies);

protected:
    void drawChart() override;
};

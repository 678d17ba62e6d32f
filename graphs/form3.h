#pragma once

#include "graphs/graphwindow.h"

// Form3: the histogram of the final distances of plane-movement trials,
// one bar per range of width sqrt2 from 0 to 15 * sqrt2.
class Form3 : public GraphWindow {
    Q_OBJECT
public:
    Form3();

protected:
    void drawChart() override;
};

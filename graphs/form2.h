#pragma once

#include "graphs/graphwindow.h"

// Form2: the histogram of the final x coordinates of linear-movement
// trials, one bar per X from -15 to 15.
class Form2 : public GraphWindow {
    Q_OBJECT
public:
    Form2();

protected:
    void drawChart() override;
};

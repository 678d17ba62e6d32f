// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace walk {

// The main window's buttons and option buttons whose enabled flags the
// experiment sets, in the order the window made them.
enum class Control {
    HiddenStart, // hidden, and never clicked; kept for its enabled flag
    Prepare,     // hidden; its click prepares a trial
    Exit,
    Init,
    Graph, // "Graph display"
    Start, // "Experiment Start"
    Stop,  // "Experiment Stop"
    Help,
    PlaneOption,
    LinearOption,
};
inline constexpr int controlCount = 10;

// The live read-outs.
enum class Readout { WalkerX, WalkerY, StepsTaken, TrialNumber, AverageDistance };

// The rows of the results table.
enum class Row { FinalX, FinalY, Distance };

// The main window's controls as the experiment sees them.
class Panel {
public:
    virtual ~Panel() = default;
    virtual void setEnabled(Control control, bool on) = 0;
    // True when "Plane movement" is selected, false for "Linear movement".
    virtual bool planeMovement() const = 0;
    virtual void setCaption(Readout label, const QString& text) = 0;
    // Trial 1 to 51.
    virtual void setCell(Row row, int trial, const QString& text) = 0;
    // The walker marker's top-left corner, in the plane's units.
    virtual void moveMarker(int x, int y) = 0;
    // Has a screen reader say text, with nothing shown.
    virtual void announce(const QString& text) = 0;
};

} // namespace walk

#pragma once

#include <QString>

namespace walk {

// The main window's buttons and option buttons whose enabled flags the
// handlers set.
enum class Switch {
    Command1, // "実験開始", hidden
    Command2, // "実験準備", hidden; its click action is the trial preparation
    Command3, // "Exit"
    Command4, // "Init"
    Command5, // "Graph display"
    Command6, // "Experiment Start"
    Command7, // "Experiment Stop"
    Command8, // "Help"
    Option1,  // "Plane movement"
    Option2,  // "Linear movement"
};

// The live read-outs.
enum class Readout {
    Label2,  // walker's x
    Label4,  // walker's y
    Label6,  // steps taken in the current trial
    Label72, // trial number
    Label74, // average distance
};

// The rows of the results table.
enum class Row {
    xz, // final x
    yz, // final y
    kr, // final distance
};

// The main window's controls as the simulation sees them.
class Panel {
public:
    virtual ~Panel() = default;
    virtual void setEnabled(Switch control, bool on) = 0;
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

#pragma once

#include "platform/timer.h"
#include "walk/panel.h"

#include <cstdint>

namespace walk {

// The main window's walk state and the handlers that move it: the walk
// timer's step and recording, the trial preparation and the experiment
// driver. The window hands it its controls through a Panel.
class Walk {
public:
    explicit Walk(Panel& panel);

    // Stored position: the origin is (15, 15); shown X = x - 15, Y = y - 15,
    // Y growing downward. Also the walker marker's top-left corner.
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t a = 0;     // direction of the latest step: 1 right, 2 up, 3 left, 4 down
    std::int16_t caunt = 0; // steps taken in the current trial, 0..30
    std::int16_t ct = 0;    // trials started since start-up or Init; results column of the latest
    std::int16_t i = 0;     // loop counter of the window's drawing and clearing
    std::int16_t ret = 0;   // answer of the exit message box
    float s = 0.0f;         // sum of the recorded final distances
    float kyori = 0.0f;     // final distance of the latest plane-movement trial
    // Trials recorded since start-up or Init. Equals ct unless a trial was
    // cut short, and is what the average divides by.
    std::int16_t recorded = 0;

    platform::Timer Timer1{100};  // the walk's clock: one step a tick
    platform::Timer Timer2{4000}; // the experiment's clock: one trial a tick

    int shownX() const { return x - 15; }
    int shownY() const { return y - 15; }
    // The average distance as its read-out shows it; empty before a trial is recorded.
    QString average() const;

    void load();          // start values when the window loads
    void timer1Tick();    // one step, or the recording after the 30th
    void command2Click(); // trial preparation: the walker back to the origin
    void timer2Tick();    // the next trial, or the experiment found complete
    void command6Click(); // "Experiment Start"
    void command7Click(); // "Experiment Stop"
    // "Init" after its chime: everything back to the start of an experiment,
    // keeping the selected movement mode.
    void command4Click();
    void command5Shown(); // "Graph display", once its window is shown
    void showActivated(); // marker, read-outs and flags when the window activates

private:
    void step();
    void record();
    void announceComplete();
    bool plane() const { return m_panel.planeMovement(); }
    void lockMode();     // disables the option button that is not selected
    void showPosition(); // the marker and the x and y read-outs follow the walker

    Panel& m_panel;
    // The experiment's completion has been announced since "Experiment Start";
    // the ticks after the one that finds it complete say nothing.
    bool m_completeAnnounced = false;
};

} // namespace walk

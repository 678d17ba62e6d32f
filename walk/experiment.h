// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/timer.h"
#include "walk/controlstate.h"
#include "walk/lattice.h"
#include "walk/panel.h"

#include <QCoreApplication>

namespace walk {

// An experiment of up to 51 trials of 30 steps, and the handlers that move
// it: the step timer walks a trial a step a tick and records it after the
// last step; the trial timer starts a trial a tick until the experiment is
// complete. It shows itself through the main window's Panel.
class Experiment {
    Q_DECLARE_TR_FUNCTIONS(Experiment)

public:
    explicit Experiment(Panel& panel);

    // The walker, in the read-outs' terms: the origin is (0, 0), y grows downward.
    int walkerX() const { return m_x - origin; }
    int walkerY() const { return m_y - origin; }
    int stepsTaken() const { return m_stepsTaken; }
    // Trials started since start-up or Init; the results column of the latest.
    int trialCount() const { return m_trialCount; }
    // Trials recorded since start-up or Init: trialCount() unless a trial was
    // cut short, and what the average divides by.
    int recordedCount() const { return m_recordedCount; }
    // The average distance as its read-out shows it; empty before a trial is recorded.
    QString average() const;
    // The recorded trials counted by final x or distance, as the histograms draw them.
    const Frequencies& frequencies() const { return m_frequencies; }
    // Where it stands, which sets the main window's buttons.
    const ControlState& state() const { return m_state; }

    platform::Timer& stepTimer() { return m_stepTimer; }
    platform::Timer& trialTimer() { return m_trialTimer; }
    const platform::Timer& stepTimer() const { return m_stepTimer; }
    const platform::Timer& trialTimer() const { return m_trialTimer; }

    void start();         // "Experiment Start"
    void stop();          // "Experiment Stop"
    void clear();         // "Init", after its chime: back to the start, keeping the movement mode
    void prepareTrial();  // the walker back to the origin for the next trial
    void graphShown();    // "Graph display", once its window is shown
    void showActivated(); // marker, read-outs and flags when the window activates
    void step();          // the step timer's tick: one step, or the recording after the last
    void startTrial();    // the trial timer's tick: the next trial, or the experiment complete

private:
    void takeStep();
    void record();
    void announceComplete();
    bool plane() const { return m_panel.planeMovement(); }
    void showControls(); // enables the main window's controls as the state says
    void showPosition(); // the marker and the position and step read-outs follow the walker
    void toOrigin();

    Panel& m_panel;
    // Stored position, the origin at (origin, origin); also the marker's top-left corner.
    int m_x = origin;
    int m_y = origin;
    int m_stepsTaken = 0;
    int m_trialCount = 0;
    int m_recordedCount = 0;
    float m_distanceSum = 0.0f; // of the recorded trials, in single precision
    Frequencies m_frequencies{};
    ControlState m_state;
    // The completion has been announced since "Experiment Start"; the ticks
    // after the one that finds it complete say nothing.
    bool m_completeAnnounced = false;
    platform::Timer m_stepTimer{100};   // one step a tick
    platform::Timer m_trialTimer{4000}; // one trial a tick
};

} // namespace walk
